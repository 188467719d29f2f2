#include "survey/toolpath_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace orvalis::survey {
namespace {

TEST(ToolpathTable, NumbersTheNcNamesOfTheFirstRowsFromTheStartNumber) {
    const struct {
        const char* prefix;
        int first_number;
        int count;
        std::vector<std::string> names;  // rows 0, 1, …; the row after keeps "old"
    } cases[] = {
        {"T", 1, 3, {"T1", "T2", "T3"}},
        {"T", 10, 3, {"T10", "T11", "T12"}},
        {"", 1, 2, {"1", "2"}},
        {"OP-", 0, 1, {"OP-0"}},
        {"N", -2, 4, {"N-2", "N-1", "N0", "N1"}},
        {"T", 1, 0, {}},
        {"T", 2147483647, 2, {"T2147483647", "T2147483648"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + " " + std::to_string(c.first_number));
        ToolpathTable table;
        for (int row = 0; row < kMaxToolpaths; ++row) table.Row(row).nc_name = "old";
        table.NumberNcNames(c.prefix, c.first_number, c.count);
        int rows = static_cast<int>(c.names.size());
        for (int row = 0; row < rows; ++row) {
            EXPECT_EQ(table.Row(row).nc_name, c.names[static_cast<std::size_t>(row)]);
        }
        EXPECT_EQ(table.Row(rows).nc_name, "old");
    }

    ToolpathTable full;  // more entries than rows: the table's 60 are numbered
    full.NumberNcNames("T", 1, 62);
    EXPECT_EQ(full.Row(kMaxToolpaths - 1).nc_name, "T60");
    EXPECT_THROW(full.Row(kMaxToolpaths), std::out_of_range);
    EXPECT_THROW(full.Row(-1), std::out_of_range);
}

}  // namespace
}  // namespace orvalis::survey
