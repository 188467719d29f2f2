#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvalis::cli {

// One value of tab-separated output: TAB, CR, LF and backslash become "\t",
// "\r", "\n" and "\\", so a company or toolpath name holding one of them
// still keeps its line and its column.
std::string TabField(std::string_view value);

// One line of tab-separated input split into its values, each read back the
// way TabField wrote it. A backslash before any other character is kept as it
// stands, so a hand-written path like C:\JOBS reads as typed.
std::vector<std::string> SplitTabLine(std::string_view line);

}  // namespace orvalis::cli
