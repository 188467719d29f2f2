#include "cli/cli_run.h"

#include <sstream>

#include "cli/cli.h"
#include "platform/atomic_file.h"

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

std::string SimCli::Transcript() const {
    return ReadFileBytes(transcript).value_or("");
}

}  // namespace orvalis::cli
