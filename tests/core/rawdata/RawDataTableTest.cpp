#include "core/rawdata/RawDataTable.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RawDataTable, GrowsOnWriteAndKeepsCellsOnResize) {
    RawDataTable table;
    table.setCell(2, 3, "x");
    EXPECT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.caseCount(), 3);
    table.resize(3, 2);
    EXPECT_EQ(table.cell(2, 3), "");
    table.resize(4, 5);
    EXPECT_EQ(table.cell(3, 4), "");
    EXPECT_EQ(table.cell(-1, 0), "");
    EXPECT_EQ(table.cell(9, 9), "");
}

// Cells are kept as numbers where that loses nothing: every cell reads back exactly as it
// was written, whatever the column's way of writing numbers.
TEST(RawDataTable, EveryCellReadsBackAsWritten) {
    RawDataTable table;
    const std::vector<std::vector<std::string>> columns = {
        {"plain", "3", "-0", "0.1", "4.50", "1e5", "+2", " 7", "123456789012345", "NA", "", "1234567890123456", "100"},
        {"fixed", "4.50", "3.00", "4.5", "-0.25", "1.000", "12345.67", "x"},
        {"wide", "0.1234567890123456789", "1E-3", "2.", ".5", "inf", "nan", "0x10"},
    };
    for (size_t c = 0; c < columns.size(); ++c)
        for (size_t r = 0; r < columns[c].size(); ++r)
            table.setCell(static_cast<int>(c) + 1, static_cast<int>(r), columns[c][r]);
    for (size_t c = 0; c < columns.size(); ++c)
        for (size_t r = 0; r < columns[c].size(); ++r)
            EXPECT_EQ(table.cell(static_cast<int>(c) + 1, static_cast<int>(r)), columns[c][r]) << c << "," << r;
    EXPECT_EQ(table.number(1, 4), 4.5);
    EXPECT_EQ(table.number(2, 3), 4.5);
    EXPECT_EQ(table.number(1, 6), 2.0);  // read as a number the way a dialog reads it
    EXPECT_EQ(table.number(3, 1), 0.1234567890123456789);
    EXPECT_FALSE(table.number(3, 5));
    EXPECT_FALSE(table.number(1, 9));
    EXPECT_TRUE(table.isEmpty(1, 10));
    EXPECT_FALSE(table.isEmpty(1, 9));
}

// Numbers from numeric files keep every bit and read as the shortest digits that give them
// back; a cell rewritten from text to number and back holds only its last value.
TEST(RawDataTable, NumbersKeepEveryBit) {
    RawDataTable table;
    const double third = 1.0 / 3.0;
    table.setNumber(1, 1, third);
    table.setNumber(1, 2, 1e-7);
    table.setNumber(1, 3, -2.0);
    EXPECT_EQ(table.number(1, 1), third);
    EXPECT_EQ(table.cell(1, 1), "0.3333333333333333");
    EXPECT_EQ(table.cell(1, 2), "0.0000001");
    EXPECT_EQ(table.cell(1, 3), "-2");
    table.setCell(2, 1, "1.50");
    table.setNumber(2, 2, 0.125);  // three decimals do not fit a column of two
    EXPECT_EQ(table.cell(2, 2), "0.125");
    EXPECT_EQ(table.number(2, 2), 0.125);
    table.setCell(1, 1, "seven");
    table.setCell(1, 1, "eight");
    table.setNumber(1, 1, 8.0);
    EXPECT_EQ(table.cell(1, 1), "8");
    table.setCell(1, 1, "");
    EXPECT_TRUE(table.isEmpty(1, 1));
}

// A grid cut short and grown again has empty cells where the cut ones were, also within
// the block of rows they shared; a copy is a table of its own.
TEST(RawDataTable, CutAndGrownCellsAreEmptyAndCopiesAreIndependent) {
    RawDataTable table;
    for (int row = 0; row < 10000; ++row) table.setNumber(1, row, row);
    table.resize(2, 5);
    table.resize(2, 9000);
    EXPECT_EQ(table.cell(1, 4), "4");
    EXPECT_TRUE(table.isEmpty(1, 5));
    EXPECT_TRUE(table.isEmpty(1, 4100));
    EXPECT_TRUE(table.isEmpty(1, 8999));
    RawDataTable copy = table;
    copy.setCell(1, 4, "changed");
    EXPECT_EQ(table.cell(1, 4), "4");
    EXPECT_EQ(copy.cell(1, 4), "changed");
}

}  // namespace
}  // namespace qv
