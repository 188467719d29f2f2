#pragma once

#include <string>
#include <vector>

namespace orvalis::forms {

// The parts one after another with `separator` between them: a status bar
// line from several problems, or the lines of a message box.
inline std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string joined;
    for (const auto& part : parts) joined += (joined.empty() ? "" : separator) + part;
    return joined;
}

}  // namespace orvalis::forms
