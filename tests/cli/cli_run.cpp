#include "cli/cli_run.h"

#include <fstream>
#include <sstream>

#include "cli/cli.h"

namespace orvalis::cli {

CliRun RunCli(const std::vector<std::string>& words) {
    std::ostringstream out, err;
    int status = Main(words, out, err);
    return {status, out.str(), err.str()};
}

SimCli::SimCli()
    : data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR),
      sim("ORVALIS_SIM_DIR", ORVALIS_TEST_SIM_DIR) {}

CliRun SimCli::Run(std::vector<std::string> words, const std::string& host) {
    words.insert(words.begin(), {"--host", host, "--transcript", transcript.string()});
    return RunCli(words);
}

ReplayCli::ReplayCli(const std::string& script_text)
    : data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR) {
    std::ofstream(script, std::ios::binary) << script_text;
}

CliRun ReplayCli::Run(std::vector<std::string> words) const {
    words.insert(words.begin(),
                 {"--host", "replay:" + script.string(), "--transcript", transcript.string()});
    return RunCli(words);
}

std::vector<std::string> ReplayCli::TranscriptLines() const {
    return FileLines(transcript);
}

std::vector<std::string> FileLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace orvalis::cli
