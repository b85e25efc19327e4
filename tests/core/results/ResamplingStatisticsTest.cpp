#include <gtest/gtest.h>

#include <vector>

#include "core/results/ResamplingFigures.h"
#include "core/results/ResamplingStatistics.h"
#include "tests/core/results/ResamplingTestModel.h"

namespace qv {
namespace {

constexpr double kClose = 1e-6;

SubsampleSpread spread(std::vector<float> values) { return SubsampleStatistics(values); }

// Values of both signs count as they are: a subsample that turned against the entire sample
// after its constructs were aligned widens the spread instead of hiding in an absolute value.
TEST(ResamplingStatisticsTest, MeansAndErrorsAreThoseOfTheSignedValues) {
    const SubsampleSpread flipped = spread({0.7f, -0.7f, 0.7f});
    EXPECT_NEAR(flipped.mean, 0.23333333, kClose);
    EXPECT_NEAR(flipped.sd, 0.80829038, kClose);
    // Mean 0.4, deviations 0.5 -1 0.5.
    const SubsampleSpread mixed = spread({0.9f, -0.6f, 0.9f});
    EXPECT_NEAR(mixed.mean, 0.4, kClose);
    EXPECT_NEAR(mixed.sd, 0.8660254, kClose);
    EXPECT_NEAR(spread({-0.5f, -0.5f, -0.5f}).mean, -0.5, kClose);
    EXPECT_EQ(spread({-0.5f, -0.5f, -0.5f}).sd, 0);
    // One value gives no spread.
    EXPECT_EQ(spread({0.4f}).sd, 0);
}

TEST(ResamplingStatisticsTest, BootstrapFillsMeansErrorsAndTOfTheRecords) {
    ResamplingTestModel test;
    test.standardValues();
    ComputeResamplingStatistics(test.model, test.store, SampleKind::Bootstrap);
    const Indicator& a1 = test.model.indicators[0];
    EXPECT_NEAR(a1.loadingMean, 0.75, kClose);
    EXPECT_NEAR(a1.loadingSE, 0.12909943, kClose);
    EXPECT_NEAR(a1.loadingT, 6.1967742, 1e-5);
    EXPECT_NEAR(a1.weightMean, 0.5, kClose);
    EXPECT_NEAR(a1.weightSE, 0.08164966, kClose);
    EXPECT_NEAR(a1.weightT, 6.1237238, 1e-5);
    // a2: -0.6 over -0.5 0.7 -0.6 -0.6, the second subsample against the others.
    const Indicator& a2 = test.model.indicators[1];
    EXPECT_NEAR(a2.loadingMean, -0.25, kClose);
    EXPECT_NEAR(a2.loadingSE, 0.63508530, kClose);
    EXPECT_NEAR(a2.loadingT, -0.94475499, 1e-5);
    EXPECT_NEAR(a2.weightT, 8.5732145, 1e-5);
    // b1's weight does not vary: both of its t statistics are 0.
    const Indicator& b1 = test.model.indicators[2];
    EXPECT_NEAR(b1.loadingSE, 0.04787137, kClose);
    EXPECT_EQ(b1.weightSE, 0);
    EXPECT_EQ(b1.loadingT, 0);
    EXPECT_EQ(b1.weightT, 0);
    const Path& path = test.model.paths[0];
    EXPECT_NEAR(path.coefficientMean, 0.3, kClose);
    EXPECT_NEAR(path.coefficientSE, 0.08164966, kClose);
    EXPECT_NEAR(path.coefficientT, 3.6742347, 1e-5);
    // An unassigned indicator gets nothing.
    EXPECT_EQ(test.model.indicators[3].loadingSE, 0);
}

TEST(ResamplingStatisticsTest, JackknifeScalesErrorsAndStoresTheAdjustedPathT) {
    ResamplingTestModel test;
    test.standardValues();
    ComputeResamplingStatistics(test.model, test.store, SampleKind::Jackknife);
    const Indicator& a1 = test.model.indicators[0];
    EXPECT_NEAR(a1.loadingSE, 0.22360677, kClose);  // sqrt(3) * sd
    EXPECT_NEAR(a1.weightSE, 0.08164966, kClose);   // sd
    EXPECT_NEAR(a1.loadingT, 4.9057797, 1e-5);
    EXPECT_NEAR(a1.weightT, 3.2816934, 1e-5);
    const Indicator& a2 = test.model.indicators[1];
    EXPECT_NEAR(a2.loadingT, -1.7320508, 1e-5);
    EXPECT_NEAR(a2.weightT, 4.5943712, 1e-5);
    EXPECT_EQ(test.model.indicators[2].loadingT, 0);
    const Path& path = test.model.paths[0];
    EXPECT_NEAR(path.coefficientSE, 0.14142136, kClose);
    EXPECT_NEAR(path.coefficientT, 1.8371173, 1e-5);  // JE / (sqrt(2) g SE)
}

TEST(ResamplingStatisticsTest, JackknifeSummaryFiguresAndTheirMissingValues) {
    ResamplingTestModel test;
    test.standardValues();
    ComputeResamplingStatistics(test.model, test.store, SampleKind::Jackknife);
    const Figures loading = LoadingFigures(test.model.indicators[0], SampleKind::Jackknife, 4);
    ASSERT_EQ(loading.size(), kJackknifeColumns);
    EXPECT_NEAR(*loading[2], 0.95, 1e-6);        // 4 * 0.8 - 3 * 0.75
    EXPECT_NEAR(*loading[5], 0.25819887, 1e-6);  // sqrt(2) g SE
    EXPECT_NEAR(*loading[6], 3.6793347, 1e-5);
    const Figures weight = WeightFigures(test.model.indicators[0], SampleKind::Jackknife, 4);
    EXPECT_NEAR(*weight[3], 0.11547006, 1e-6);  // sqrt(n - 2) SE
    EXPECT_NEAR(*weight[4], 4.3301264, 1e-5);
    EXPECT_NEAR(*weight[5], 0.16329933, 1e-6);  // sqrt(2 (n - 2)) SE
    EXPECT_NEAR(*weight[6], 3.0618617, 1e-5);
    const Figures path = PathFigures(test.model.paths[0], SampleKind::Jackknife, 4);
    EXPECT_NEAR(*path[3], 0.11547006, 1e-6);  // g SE
    EXPECT_NEAR(*path[4], 2.5980762, 1e-5);
    // b1's weight does not vary: its weight t's have no value, its loading's adjusted t has.
    const Figures b1Weight = WeightFigures(test.model.indicators[2], SampleKind::Jackknife, 4);
    EXPECT_FALSE(b1Weight[4]);
    EXPECT_FALSE(b1Weight[6]);
    EXPECT_TRUE(LoadingFigures(test.model.indicators[2], SampleKind::Jackknife, 4)[6]);

    const Figures boot = PathFigures(test.model.paths[0], SampleKind::Bootstrap, 4);
    EXPECT_EQ(boot.size(), kBootstrapColumns);
}

TEST(ResamplingStatisticsTest, AJackknifePathThatDoesNotVaryHasNoTInsteadOfADivisionByZero) {
    ResamplingTestModel test;
    test.subsamples({0.8f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.3f},
                    {{0.7f, 0.4f, 0.5f, 0.6f, 0.9f, 1.0f, 0.3f},
                     {0.9f, 0.6f, 0.7f, 0.8f, 1.0f, 1.0f, 0.3f},
                     {0.8f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.3f}});
    ComputeResamplingStatistics(test.model, test.store, SampleKind::Jackknife);
    const Path& path = test.model.paths[0];
    EXPECT_EQ(path.coefficientSE, 0);
    EXPECT_EQ(path.coefficientT, 0);
    const Figures figures = PathFigures(path, SampleKind::Jackknife, 3);
    EXPECT_FALSE(figures[4]);
    EXPECT_FALSE(figures[6]);
    EXPECT_TRUE(figures[5]);
}

}  // namespace
}  // namespace qv
