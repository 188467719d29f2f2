#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace orvalis::testing {

// Host calls as the transcript writes them, one per entry.
using Calls = std::vector<std::string>;

// The calls of each part, one part after the other.
template <typename... Parts>
Calls Concat(const Parts&... parts) {
    Calls all;
    (all.insert(all.end(), parts.begin(), parts.end()), ...);
    return all;
}

// A transcript kept beside the tests (`name` under tests/), one call a line,
// each line checked against the command lines the host must receive.
inline Calls ReviewedCalls(const std::string& name) {
    std::ifstream in(std::string(ORVALIS_TEST_SOURCE_DIR) + "/" + name);
    Calls calls;
    for (std::string line; std::getline(in, line);) calls.push_back(line);
    return calls;
}

// The two switches that end a collision check or a gouge display.
inline const Calls kDialogsOn = {"RunCommand DIALOGS ERROR ON", "RunCommand DIALOGS MESSAGE ON"};

}  // namespace orvalis::testing
