#pragma once

#include <functional>
#include <string>

namespace orvalis::gui {

// Writes the transcript's "# action" line before a user action runs.
using MarkAction = std::function<void(const std::string& action)>;

}  // namespace orvalis::gui
