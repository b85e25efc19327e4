#include "core/results/ConstructScores.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qv {
namespace {

// Three raw columns a, b, c over four cases; a and b measure construct 0, c construct 1,
// and construct 2 is second order over both.
struct ScoreFixture {
    ProjectModel model;
    RawDataTable table;

    ScoreFixture() {
        table.setFieldCount(3);
        const char* cells[5][4] = {{"", "a", "b", "c"}, {"1", "1", "2", "5"}, {"2", "2", "2", "7"},
                                   {"3", "3", "6", "5"}, {"4", "6", "6", "7"}};
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 4; ++column) table.setCell(column, row, cells[row][column]);
        model.nConstruct = 3;
        model.constructs[0].caption = "A";
        model.constructs[1].caption = "C";
        model.constructs[2].caption = "Top";
        model.nIndicator = 3;
        model.indicators[0] = Indicator{.caption = "a", .construct = 0, .weight = 0.5f};
        model.indicators[1] = Indicator{.caption = "b", .construct = 0, .weight = 0.25f};
        model.indicators[2] = Indicator{.caption = "c", .construct = 1, .weight = 1.0f};
    }
    double cell(int column, int row) const { return std::stod(table.cell(column, row)); }
};

double standardized(double value, double mean, double deviation) {
    return (value - mean) / deviation;
}

TEST(ConstructScores, WeightedSumsOfStandardizedIndicatorsBehindTheRawColumns) {
    ScoreFixture data;
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 1), "");
    EXPECT_EQ(data.table.columnCount(), 3 + 3 + 1);
    EXPECT_EQ(data.table.cell(4, 0), "A");
    EXPECT_EQ(data.table.cell(6, 0), "Top");
    const double sdA = std::sqrt(14.0 / 3.0), sdB = 2.0 * std::sqrt(4.0 / 3.0), sdC = std::sqrt(4.0 / 3.0);
    EXPECT_NEAR(data.cell(1, 1), standardized(1, 3, sdA), 1e-14);
    EXPECT_NEAR(data.cell(4, 1), 0.5 * standardized(1, 3, sdA) + 0.25 * standardized(2, 4, sdB), 1e-14);
    EXPECT_NEAR(data.cell(5, 2), standardized(7, 6, sdC), 1e-14);
    EXPECT_EQ(data.table.cell(6, 3), "0");  // no indicator measures the second-order construct
}

TEST(ConstructScores, SecondStageScoresTheSecondOrderConstructFromItsMembersScores) {
    ScoreFixture data;
    data.model.indicators[3] = Indicator{.caption = "A", .construct = 2, .weight = 0.75f};
    data.model.indicators[4] = Indicator{.caption = "C", .construct = 2, .weight = 0.25f};
    data.model.indicators[5] = Indicator{.caption = "Top", .construct = -1};
    data.model.nIndicator = 6;
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 2), "");
    for (int row = 1; row <= 4; ++row)
        EXPECT_NEAR(data.cell(6, row), 0.75 * data.cell(4, row) + 0.25 * data.cell(5, row), 1e-12);
}

TEST(ConstructScores, ConstantColumnKeepsItsDeviationOfOne) {
    ScoreFixture data;
    for (int row = 1; row <= 4; ++row) data.table.setCell(3, row, "3");
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 1), "");
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(data.table.cell(5, row), "0");
}

TEST(ConstructScoresWithMissingCells, TheCodeTakesTheColumnMeanAsInTheEngine) {
    ScoreFixture data;
    data.table.setCell(1, 4, "-99");  // a: 1, 2, 3 and a missing cell that becomes 2
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 1, -99.0), "");
    const double deviation = std::sqrt(2.0 / 3.0);
    EXPECT_NEAR(data.cell(1, 1), standardized(1, 2, deviation), 1e-14);
    EXPECT_NEAR(data.cell(1, 4), 0.0, 1e-14);
}

}  // namespace
}  // namespace qv
