// The result tables built from a model's figures, their threshold marks and their file text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/assessment/FigureTable.h"
#include "core/tables/EstimateResults.h"
#include "core/tables/ResamplingResults.h"
#include "core/tables/RunResults.h"
#include "core/tables/TableCopy.h"

namespace qv {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string shown(const ResultTable& table, size_t row, size_t column, int decimals = 3) {
    const TableCell* cell = table.cell(row, column);
    return cell ? CellText(*cell, decimals) : "<none>";
}

// A -> C, B -> C, C -> D: two exogenous constructs, C with two predictors, D with one.
struct SmallModel {
    ProjectModel model;
    SmallModel() {
        for (const char* caption : {"A", "B", "C", "D"}) {
            const int k = model.nConstruct;
            EXPECT_TRUE(model.addConstruct(50 * k, 50));
            model.constructs[k].caption = caption;
        }
        for (auto [from, to, coefficient] : {std::tuple{0, 2, 0.25f}, {1, 2, -0.5f}, {2, 3, 0.75f}}) {
            EXPECT_TRUE(model.addPath(from, to));
            model.paths[model.nPath - 1].coefficient = coefficient;
        }
        model.constructs[2].rSquare = 0.4f;
        model.constructs[3].rSquare = 0.5625f;
    }
};

TEST(ThresholdsTest, TheWorstMissedThresholdMarksAFigureAndBoundsThemselvesPass) {
    using T = Threshold;
    EXPECT_EQ(MissedThreshold(0.87, {T::HtmtAbove085, T::HtmtAbove090}), T::HtmtAbove085);
    EXPECT_EQ(MissedThreshold(0.95, {T::HtmtAbove085, T::HtmtAbove090}), T::HtmtAbove090);
    EXPECT_EQ(MissedThreshold(0.95, {T::HtmtAbove090, T::HtmtAbove085}), T::HtmtAbove090);
    EXPECT_FALSE(MissedThreshold(0.85, {T::HtmtAbove085}));
    EXPECT_FALSE(MissedThreshold(0.708, {T::LowLoading}));
    EXPECT_EQ(MissedThreshold(0.7079, {T::LowLoading}), T::LowLoading);
    EXPECT_EQ(MissedThreshold(0.49, {T::LowAve}), T::LowAve);
    EXPECT_EQ(MissedThreshold(5.5, {T::VifAbove3, T::VifAbove5}), T::VifAbove5);
    EXPECT_EQ(MissedThreshold(0.051, {T::NotSignificant}), T::NotSignificant);
    EXPECT_FALSE(MissedThreshold(kNaN, {T::LowAve}));
    EXPECT_FALSE(MissedThreshold(0.2, {}));
    // Every rule names its source for the legend.
    for (const ThresholdRule& rule : ThresholdRules()) {
        EXPECT_NE(std::string(rule.source), "");
        EXPECT_EQ(&RuleOf(rule.threshold), &rule);
    }
}

TEST(ResultTableTest, CellsReadWithTheDecimalsAskedAndTheFilesKeepTheirOwn) {
    ResultTable table{"t", "Title", {"Name", "Value", "t"}, {}, {"a note"}};
    table.rows.push_back({TableCell::ofText("x,y"), TableCell::ofNumber(0.1234567), TableCell::ofNumber(2.5, {}, 3)});
    table.rows.push_back({TableCell::ofText("=z"), TableCell::ofNumber(kNaN), TableCell::ofNumber(-0.0000001)});
    EXPECT_EQ(shown(table, 0, 1), "0.123");
    EXPECT_EQ(shown(table, 0, 1, 5), "0.12346");
    EXPECT_EQ(shown(table, 1, 1), "n/a");
    EXPECT_EQ(shown(table, 1, 2), "0.000");
    EXPECT_EQ(shown(table, 2, 0), "<none>");
    EXPECT_FALSE(table.rows[1][1].defined());
    EXPECT_TRUE(table.rows[1][0].defined());
    // Notes stay on the screen; texts are quoted and guarded as every CSV field is.
    EXPECT_EQ(FormatCsvTables({FigureTableOf(table)}),
              "Title\nName,Value,t\n\"x,y\",0.123457,2.500\n'=z,n/a,0.000000\n");
}

TEST(EstimateResultsTest, PathsReadAsAListAndAsAMatrixOfSourceRowsAndDestinationColumns) {
    SmallModel m;
    const ResultTable list = PathListResults(m.model);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(shown(list, 1, 0) + shown(list, 1, 1) + shown(list, 1, 2), "BC-0.500");
    const ResultTable matrix = PathMatrixResults(m.model);
    ASSERT_EQ(matrix.columns.size(), 5u);
    EXPECT_EQ(matrix.columns[3], "C");
    EXPECT_EQ(shown(matrix, 0, 3), "0.250");
    EXPECT_EQ(shown(matrix, 2, 4), "0.750");
    EXPECT_EQ(shown(matrix, 3, 1), "");
    EXPECT_EQ(shown(matrix, 2, 0), "C");
}

TEST(EstimateResultsTest, AdjustedRSquareCountsEachConstructsPredictorsAndQSquareTellsWhyItIsMissing) {
    SmallModel m;
    m.model.constructs[2].q2Kind = 1;
    m.model.constructs[2].q2 = 0.3f;
    m.model.constructs[2].q2sd = 0.05f;
    m.model.constructs[3].q2Kind = 1;
    m.model.constructs[3].q2Missing = "the omission distance divides the cases";
    const ResultTable table = ExplainedVarianceResults(m.model, 101);
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(shown(table, 0, 1), "n/a");
    EXPECT_EQ(shown(table, 0, 2), "n/a");
    // 1 - 0.6 * 100 / 98 and 1 - 0.4375 * 100 / 99
    EXPECT_NEAR(table.rows[2][2].number, 1 - 0.6 * 100 / 98, 1e-7);
    EXPECT_NEAR(table.rows[3][2].number, 1 - 0.4375 * 100 / 99, 1e-7);
    EXPECT_EQ(shown(table, 2, 3), "0.300");
    EXPECT_EQ(shown(table, 3, 3), "n/a");
    const std::string notes = [&] {
        std::string all;
        for (const std::string& note : table.notes) all += note + "|";
        return all;
    }();
    EXPECT_NE(notes.find("Q-square of D: n/a, the omission distance divides the cases"), std::string::npos);
    EXPECT_NE(notes.find("did not include blindfolding"), std::string::npos);
    // Too few cases leave no degrees of freedom for the adjustment.
    EXPECT_EQ(shown(ExplainedVarianceResults(m.model, 3), 2, 2), "n/a");
}

TEST(EstimateResultsTest, OnlyReflectiveLoadingsAreHeldToTheirThreshold) {
    SmallModel m;
    m.model.constructs[1].type = 1;
    const std::vector<LoadingBlock> blocks{{"A", {{"a1", 5, 1, 0.6f, 0.64f, 0.5f}, {"a2", 4, 2, 0.9f, 0.19f, 0.6f}}},
                                           {"B", {{"b1", 3, 1, 0.6f, 0.64f, 0.9f}}}};
    const ResultTable table = OuterModelResults(m.model, blocks);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0][4].mark, Threshold::LowLoading);
    EXPECT_FALSE(table.rows[1][4].mark);
    EXPECT_FALSE(table.rows[2][4].mark);
    EXPECT_EQ(shown(table, 2, 0) + shown(table, 2, 1), "Bb1");
}

TEST(EstimateResultsTest, ACrossLoadingAboveTheIndicatorsOwnLoadingIsMarked) {
    SmallModel m;
    FactorStructure structure;
    structure.rows = {{"a1", 0, {0.8, -0.85, 0.3, 0.1}}, {"a2", 0, {0.7, 0.6, -0.7, 0.2}}};
    const ResultTable table = CrossLoadingResults(m.model, structure);
    ASSERT_EQ(table.columns.size(), 6u);
    EXPECT_EQ(table.rows[0][3].mark, Threshold::CrossLoading);
    EXPECT_FALSE(table.rows[0][2].mark);
    EXPECT_FALSE(table.rows[1][3].mark);
    EXPECT_FALSE(table.rows[1][4].mark);
    EXPECT_EQ(shown(table, 1, 1), "A");
}

TEST(ResamplingResultsTest, SummaryRowsNameTheirConstructOrPathAndAJackknifeHasItsAdjustedFigures) {
    SummaryTable summary;
    summary.kind = SampleKind::Jackknife;
    summary.subsamples = 250;
    summary.loadings = {{"IMAG", "IMAG1", "", 0, true, {0.7, 0.71, 0.69, 0.05, 14.0, 0.06, 11.5}},
                        {"", "IMAG2", "", 0, false, {0.6, 0.6, std::nullopt, 0.0, std::nullopt, 0.0, std::nullopt}}};
    summary.paths = {{"", "IMAG", "EXPE", 0, true, {0.5, 0.5, 0.5, 0.1, 5.0, 0.1, 5.0}}};
    const ResultTable table = SummaryResults(summary);
    ASSERT_EQ(table.columns.size(), 10u);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(shown(table, 1, 1) + "/" + shown(table, 1, 2), "IMAG/IMAG2");
    EXPECT_EQ(shown(table, 1, 5), "n/a");
    EXPECT_EQ(shown(table, 2, 0) + shown(table, 2, 1) + shown(table, 2, 2), "PathIMAGEXPE");
    EXPECT_EQ(shown(table, 0, 9), "11.500");
}

TEST(RunResultsTest, TheEchoOfTheEntireSampleStopsAtItsFirstSection) {
    const std::string listing =
        "---- Problem 1 ----\r\nALLSample \r\nBlocks 2, indicators 4, cases 10\r\n"
        "Missing values replaced by means: x1 2\r\nIterations 5 of at most 100: converged\r\n\r\n"
        "Path coefficients\r\n---- Problem 2 ----\r\nSubSample 1 \r\nBlocks 2\r\n";
    EXPECT_EQ(ListingEchoLines(listing),
              (std::vector<std::string>{"Blocks 2, indicators 4, cases 10", "Missing values replaced by means: x1 2",
                                        "Iterations 5 of at most 100: converged"}));
    EXPECT_TRUE(ListingEchoLines("no problem here\n").empty());
    const ResultTable table = RunResults({{"Cases", "10"}}, ListingEchoLines(listing));
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(shown(table, 3, 0) + ": " + shown(table, 3, 1), "Engine: Iterations 5 of at most 100: converged");
}

TEST(TableCopyTest, CopiedCellsFollowTheShownOrderAsTabSeparatedTextAndAnHtmlTable) {
    ResultTable table{"t", "T", {"Name", "Value", "a<b"}, {}, {}};
    table.rows.push_back({TableCell::ofText("x\ty"), TableCell::ofNumber(0.12345), TableCell::ofNumber(kNaN)});
    table.rows.push_back({TableCell::ofText("short"), TableCell::ofNumber(2)});
    const CopiedCells whole = CopyCells(table, {1, 0}, {0, 1, 2}, 2, true);
    EXPECT_EQ(whole.text, "Name\tValue\ta<b\nshort\t2.00\t\nx y\t0.12\tn/a\n");
    EXPECT_EQ(whole.html,
              "<table>\n<tr><th>Name</th><th>Value</th><th>a&lt;b</th></tr>\n"
              "<tr><td>short</td><td>2.00</td><td></td></tr>\n<tr><td>x\ty</td><td>0.12</td><td>n/a</td></tr>\n</table>\n");
    EXPECT_EQ(CopyCells(table, {0}, {1}, 4, false).text, "0.1235\n");
}

}  // namespace
}  // namespace qv
