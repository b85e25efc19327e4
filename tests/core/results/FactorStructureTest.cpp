#include "core/results/FactorStructure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/results/ConstructScores.h"

namespace qv {
namespace {

// Columns a b c over four cases: a measures construct 0 alone, with a negative weight;
// b and the constant c measure construct 1.
struct StructureData {
    ProjectModel model;
    RawDataTable table;
    StructureData() {
        const char* rows[5][4] = {{"", "a", "b", "c"}, {"1", "1", "4", "2"}, {"2", "3", "1", "2"},
                                  {"3", "2", "2", "2"}, {"4", "6", "3", "2"}};
        table.setFieldCount(3);
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 4; ++column) table.setCell(column, row, rows[row][column]);
        model.nConstruct = 2;
        model.constructs[0].caption = "P";
        model.constructs[1].caption = "Q";
        model.nIndicator = 3;
        model.indicators[0] = Indicator{.caption = "a", .construct = 0, .weight = -1.0f};
        model.indicators[1] = Indicator{.caption = "b", .construct = 1, .weight = 0.5f};
        model.indicators[2] = Indicator{.caption = "c", .construct = 1, .weight = 0.5f};
    }
};

TEST(FactorStructure, SingleIndicatorCorrelatesMinusOneAndAConstantColumnZero) {
    StructureData data;
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 1), "");
    const FactorStructure structure = ComputeFactorStructure(data.model, data.table, 3);
    ASSERT_EQ(structure.error, "");
    ASSERT_EQ(structure.rows.size(), 3u);
    EXPECT_NEAR(structure.rows[0].correlations[0], -1.0, 1e-12);
    EXPECT_NEAR(structure.rows[1].correlations[1], 1.0, 1e-12);  // c adds nothing to Q's score
    EXPECT_EQ(structure.rows[2].correlations[0], 0.0);
    EXPECT_EQ(structure.rows[2].correlations[1], 0.0);
    // a = 1 3 2 6 against Q's score, a multiple of b = 4 1 2 3: covariance -1/3, variances
    // 14/3 and 5/3.
    EXPECT_NEAR(structure.rows[0].correlations[1], -1.0 / std::sqrt(70.0), 1e-12);
}

TEST(FactorStructure, RowsFollowTheConstructsAndTheOwnConstructIsBoldInTheReport) {
    StructureData data;
    data.model.indicators[0].construct = 1;  // a measures Q, b measures P
    data.model.indicators[1].construct = 0;
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 1), "");
    const FactorStructure structure = ComputeFactorStructure(data.model, data.table, 3);
    ASSERT_EQ(structure.rows.size(), 3u);
    EXPECT_EQ(structure.rows[0].indicator, "b");  // P's rows come first
    EXPECT_EQ(structure.rows[0].construct, 0);
    const std::string html = FormatFactorStructureHtml(data.model, structure);
    EXPECT_NE(html.find("<tr bgcolor=FFDDFF align=right><td align=center>a<td>"), std::string::npos);
    EXPECT_NE(html.find("<td align=center>b<td><B>"), std::string::npos);
}

TEST(FactorStructure, AScoreCellThatIsNotANumberIsReported) {
    StructureData data;
    ASSERT_EQ(ComputeConstructScores(data.model, data.table, 1), "");
    data.table.setCell(scoreColumn(data.model, data.table, 1), 2, "?");
    EXPECT_NE(ComputeFactorStructure(data.model, data.table, 3).error, "");
}

TEST(FactorStructure, GrowsWithTheModelBeyondTwoHundredColumns) {
    ProjectModel model;
    RawDataTable table;
    const int columns = 280;
    table.setFieldCount(columns);
    model.nConstruct = kMaxConstructs;
    model.nIndicator = columns;
    for (int i = 0; i < columns; ++i) {
        model.indicators[i] = Indicator{.caption = "v" + std::to_string(i),
                                        .construct = i % kMaxConstructs, .weight = 1.0f};
        for (int row = 1; row <= 3; ++row)
            table.setCell(i + 1, row, std::to_string(3 * row + (i * row) % 2));  // rising
    }
    ASSERT_EQ(ComputeConstructScores(model, table, 1), "");
    const FactorStructure structure = ComputeFactorStructure(model, table, columns);
    ASSERT_EQ(structure.rows.size(), static_cast<size_t>(columns));
    for (const FactorStructureRow& row : structure.rows) {
        ASSERT_EQ(row.correlations.size(), static_cast<size_t>(kMaxConstructs));
        EXPECT_GT(row.correlations[row.construct], 0.0) << row.indicator;
    }
}

}  // namespace
}  // namespace qv
