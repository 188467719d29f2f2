#pragma once

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

// The two switches that end a collision check or a gouge display.
inline const Calls kDialogsOn = {"RunCommand DIALOGS ERROR ON", "RunCommand DIALOGS MESSAGE ON"};

}  // namespace orvalis::testing
