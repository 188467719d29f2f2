#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace orvalis::cli {

// What one orvalis-cli run printed and returned.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs orvalis-cli in-process with these words.
CliRun RunCli(const std::vector<std::string>& words);

// orvalis-cli on the simulated host (the bundled sample project unless
// another is named), with drives, a work folder and a transcript of its own.
struct SimCli {
    SimCli();

    CliRun Run(std::vector<std::string> words, const std::string& host = "sim");

    testing::TempDrives drives;
    testing::TempFolder folder;
    testing::ScopedEnv data;
    testing::ScopedEnv sim;
    std::filesystem::path transcript = folder.path() / "transcript";
};

// orvalis-cli on a replay host answering from a script of its own, with
// drives, the shipped data folder and a transcript.
struct ReplayCli {
    explicit ReplayCli(const std::string& script_text);

    // Runs with "--host replay:SCRIPT --transcript FILE" before the words.
    CliRun Run(std::vector<std::string> words) const;
    std::vector<std::string> TranscriptLines() const;

    testing::TempDrives drives;
    testing::TempFolder folder;
    testing::ScopedEnv data;
    std::filesystem::path script = folder.path() / "project.replay";
    std::filesystem::path transcript = folder.path() / "transcript";
};

// The lines of a text file, without their ends.
std::vector<std::string> FileLines(const std::filesystem::path& file);

}  // namespace orvalis::cli
