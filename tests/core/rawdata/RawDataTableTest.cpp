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

}  // namespace
}  // namespace qv
