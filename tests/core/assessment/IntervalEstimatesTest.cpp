#include <gtest/gtest.h>

#include <cmath>

#include "core/assessment/IntervalEstimates.h"

namespace qv {
namespace {

TEST(IntervalEstimates, QuantilesInterpolateBetweenOrderStatistics) {
    std::vector<double> values{10, 3, 1, 4, 2};
    EXPECT_DOUBLE_EQ(QuantileType7(values, 0.5), 3);
    EXPECT_DOUBLE_EQ(QuantileType7(values, 0.9), 4 + 0.6 * 6);
    EXPECT_DOUBLE_EQ(QuantileType7(values, 0), 1);
    EXPECT_DOUBLE_EQ(QuantileType7(values, 1), 10);
    EXPECT_DOUBLE_EQ(QuantileType7(values, 0.3), 2 + 0.2 * 1);
}

TEST(IntervalEstimates, StandardErrorTAndStudentPValue) {
    std::vector<double> draws{0.1, 0.3, 0.2, 0.4, 0.5};
    const IntervalEstimate f = EstimateIntervals(0.3, draws, {}, 0.95);
    EXPECT_DOUBLE_EQ(f.mean, 0.3);
    EXPECT_NEAR(f.se, std::sqrt(0.1 / 4), 1e-15);
    EXPECT_NEAR(f.t, 0.3 / std::sqrt(0.025), 1e-12);
    // Two-sided p of t = 1.897367 with 4 degrees of freedom.
    EXPECT_NEAR(f.p, 0.130635, 1e-6);
    EXPECT_NEAR(f.percentile[0], 0.11, 1e-12);
    EXPECT_NEAR(f.percentile[1], 0.49, 1e-12);
}

TEST(IntervalEstimates, BcaEqualsThePercentileIntervalWithoutBiasOrSkewAndIsUndefinedOutsideTheDraws) {
    std::vector<double> draws;
    for (int i = 1; i <= 1000; ++i) draws.push_back(i <= 500 ? i - 0.5 : i + 0.5);
    const std::vector<double> symmetric{-1, 1, -2, 2};
    IntervalEstimate f = EstimateIntervals(500.5, draws, symmetric, 0.90);
    EXPECT_NEAR(f.bca[0], f.percentile[0], 1e-9);
    EXPECT_NEAR(f.bca[1], f.percentile[1], 1e-9);
    // Skewed leave-one-out values shift the interval.
    f = EstimateIntervals(500.5, draws, {0, 0, 0, 3}, 0.90);
    EXPECT_LT(f.bca[0], f.percentile[0]);  // negative acceleration: both bounds move down
    EXPECT_LT(f.bca[1], f.percentile[1]);
    f = EstimateIntervals(2000, draws, symmetric, 0.95);
    EXPECT_TRUE(std::isnan(f.bca[0]) && std::isnan(f.bca[1]));
    std::vector<double> one{1};
    EXPECT_TRUE(std::isnan(EstimateIntervals(1, one, {}, 0.95).se));
}

}  // namespace
}  // namespace qv
