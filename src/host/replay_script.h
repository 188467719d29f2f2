#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis::host {

// A replay script that could not be read; says which line and why.
class ReplayScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The parsed form of a replay script: what the replay host answers.
struct ReplayScript {
    long version = 0;
    std::vector<std::string> toolpaths;
    std::vector<double> block = std::vector<double>(6, 0.0);
    // Answers per command text, used in order; the last one repeats.
    std::map<std::string, std::vector<std::string>> answers;
    // Command texts (or operation names such as "Connect") that fail.
    std::set<std::string> failures;
};

// Parses the script text (UTF-8, LF line ends; a CR before the LF is ignored).
// `origin` names the script in error messages.
ReplayScript ParseReplayScript(std::string_view text, const std::string& origin);

}  // namespace orvalis::host
