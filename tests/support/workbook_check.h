#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace orvalis::testing {

// What a spreadsheet program would repair, refuse or silently drop in an
// .xlsx package, one line per fault (empty when the workbook is sound):
// - every XML part well-formed: valid UTF-8, only characters XML allows,
//   written out or as references;
// - every part has a content type;
// - every internal relationship target is a part of the package;
// - in every worksheet: rows ascending, cells ascending and in their row;
// - the shared strings' count right.
// Merged ranges and shared-string items are the template's own: no writer
// here adds either.
std::vector<std::string> WorkbookProblems(const std::string& package);

// For EXPECT_TRUE / ASSERT_TRUE: the workbook (bytes or file) is sound, or
// the problems, one a line.
::testing::AssertionResult IsSoundWorkbook(const std::string& package);
::testing::AssertionResult IsSoundWorkbookFile(const std::filesystem::path& file);

}  // namespace orvalis::testing
