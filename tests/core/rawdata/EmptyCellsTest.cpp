#include "core/rawdata/RawDataReader.h"

#include <gtest/gtest.h>

#include "core/ports/ScriptedPorts.h"

namespace qv {
namespace {

const std::string kClosing = "\nPLEASE fix the null field{s) before running the model.";

// A grid of the given size with every variable cell filled except the listed ones.
RawDataTable gridWithHoles(int variables, int cases, std::vector<std::pair<int, int>> holes) {
    RawDataTable table;
    table.resize(variables + 1, cases + 1);
    table.setFieldCount(variables);
    for (int r = 1; r <= cases; ++r)
        for (int c = 1; c <= variables; ++c) table.setCell(c, r, "5");
    for (const auto& [column, row] : holes) table.setCell(column, row, "");
    return table;
}

TEST(FindEmptyCells, ListsEveryEmptyCellRowByRowInOneMessage) {
    ScriptedPorts ports;
    const RawDataTable table = gridWithHoles(3, 3, {{2, 1}, {3, 3}, {1, 3}});
    EXPECT_TRUE(FindEmptyCells(table, ports));
    ASSERT_EQ(ports.messages().size(), 1u);
    EXPECT_EQ(ports.messages()[0].key, "");
    EXPECT_EQ(ports.messages()[0].text,
              "null value appeared in:\n\nRow:1 Col:2\nRow:3 Col:1\nRow:3 Col:3\n" + kClosing);
}

TEST(FindEmptyCells, FullGridAndWorkColumnsSayNothing) {
    ScriptedPorts ports;
    RawDataTable table = gridWithHoles(2, 2, {});
    table.resize(4, 3);  // empty work columns behind the variables are not data
    EXPECT_FALSE(FindEmptyCells(table, ports));
    EXPECT_TRUE(ports.events().empty());
}

TEST(FindEmptyCells, LongListIsCutWithTheCountOfTheRest) {
    ScriptedPorts ports;
    RawDataTable empty;
    empty.resize(11, 201);
    empty.setFieldCount(10);
    EXPECT_TRUE(FindEmptyCells(empty, ports));
    const std::string text = ports.messages().at(0).text;
    EXPECT_LT(text.size(), 1200u);
    int listed = 0;
    for (size_t at = text.find("Row:"); at != std::string::npos; at = text.find("Row:", at + 1))
        ++listed;
    const std::string more = "... and " + std::to_string(2000 - listed) + " more\n" + kClosing;
    EXPECT_GT(listed, 50);
    EXPECT_EQ(text.substr(text.size() - more.size()), more);
}

TEST(FillEmptyCells, WritesTheCodeOnlyIntoEmptyVariableCells) {
    RawDataTable table = gridWithHoles(2, 2, {{1, 1}, {2, 2}});
    table.resize(4, 3);
    FillEmptyCells(table, -99);
    EXPECT_EQ(table.cell(1, 1), "-99");
    EXPECT_EQ(table.cell(2, 2), "-99");
    EXPECT_EQ(table.cell(2, 1), "5");
    EXPECT_EQ(table.cell(3, 1), "");  // work column untouched
    EXPECT_EQ(table.cell(0, 1), "");  // case number column is not data
    ScriptedPorts ports;
    EXPECT_FALSE(FindEmptyCells(table, ports));
}

}  // namespace
}  // namespace qv
