#include "xlsx/cell_ref.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvalis::xlsx {
namespace {

// The columns where the letters gain a place or wrap, and the sheet's last.
TEST(CellRef, ColumnsAndLettersRoundTrip) {
    const std::pair<int, const char*> columns[] = {
        {1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"},
    };
    for (const auto& [column, letters] : columns) {
        SCOPED_TRACE(letters);
        EXPECT_EQ(ColumnLetters(column), letters);
        std::string address = std::string(letters) + "7";
        EXPECT_EQ(FormatCellRef({column, 7}), address);
        EXPECT_EQ(ParseCellRef(address), (CellRef{column, 7}));
    }
    EXPECT_EQ(ParseCellRef("az1048576"), (CellRef{52, 1048576}));
    for (const char* bad : {"", "A", "7", "A0", "A07", "XFE1", "A1048577", "AAAAA1", "A1 ", "1A"}) {
        EXPECT_THROW(ParseCellRef(bad), std::invalid_argument) << bad;
    }
}

}  // namespace
}  // namespace orvalis::xlsx
