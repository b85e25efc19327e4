// The prediction's tables mark what the guidelines ask a reader to look at: a Q2predict below
// 0 and a model that predicts an indicator less well than the linear benchmark.
#include <gtest/gtest.h>

#include "core/predict/PredictTables.h"

namespace qv {
namespace {

PredictResult twoIndicators() {
    PredictResult result;
    result.shape.constructs = {"SAT"};
    result.shape.formative = {false};
    result.shape.indicators = {"CUSA1", "CUSA2"};
    result.shape.modelIndicators = {0, 1};
    result.shape.blockOf = {0, 0};
    result.cases = 250;
    // CUSA1 is predicted well; CUSA2 worse than its training mean and than the benchmark.
    result.accuracy.indicators = {{0, 0.80, 0.60, 0.30, 0.90, 0.70}, {1, 1.10, 0.90, -0.05, 1.00, 0.80}};
    result.accuracy.constructs = {{0, -0.20, 1.05, 0.85}};
    return result;
}

TEST(PredictTables, MarkANegativeQ2predictAndAnErrorAboveTheBenchmark) {
    const std::vector<ResultTable> tables = PredictResults(twoIndicators());
    ASSERT_EQ(tables.size(), 2u);
    const ResultTable& indicators = tables[0];
    ASSERT_EQ(indicators.rows.size(), 2u);
    // Columns: indicator, construct, RMSE (PLS), MAE (PLS), Q2predict, RMSE (LM), MAE (LM).
    for (size_t column = 2; column < 7; ++column) EXPECT_FALSE(indicators.rows[0][column].mark) << column;
    EXPECT_EQ(indicators.rows[1][2].mark, Threshold::BelowBenchmark);
    EXPECT_FALSE(indicators.rows[1][3].mark);  // the rule speaks of the RMSE
    EXPECT_EQ(indicators.rows[1][4].mark, Threshold::NoPredictivePower);
    EXPECT_EQ(tables[1].rows[0][1].mark, Threshold::NoPredictivePower);
}

// Under a model that asks for consistent PLS the tables say whose figures they are; otherwise
// they keep their notes as they were.
TEST(PredictTables, SayTheyPredictFromTheCompositesOfAConsistentModel) {
    PredictResult result = twoIndicators();
    for (const ResultTable& table : PredictResults(result)) EXPECT_EQ(table.notes.size(), 1u);
    result.consistentModel = true;
    for (const ResultTable& table : PredictResults(result)) {
        ASSERT_EQ(table.notes.size(), 2u);
        EXPECT_EQ(table.notes.back().rfind("The model asks for consistent PLS (PLSc)", 0), 0u);
    }
}

}  // namespace
}  // namespace qv
