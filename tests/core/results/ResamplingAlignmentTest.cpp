#include "core/results/ResamplingAlignment.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/results/ResamplingTestModel.h"

namespace qv {
namespace {

using Sample = ResamplingTestModel::Subsample;

std::vector<float> valuesOf(std::span<const float> values) {
    return std::vector<float>(values.begin(), values.end());
}

// A (a1 a2) -> B (b1) -> C (c1). Entire sample: a1 0.8, a2 -0.6, b1 1, c1 1.
class ResamplingAlignmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_.subsamples({0.8f, 0.5f, -0.6f, 0.7f, 1.0f, 1.0f, 0.3f},
                         {// as the entire sample
                          {0.7f, 0.4f, -0.5f, 0.6f, 0.9f, 1.0f, 0.2f},
                          // A reversed: a1 and a2 point against the entire sample
                          {-0.9f, -0.6f, 0.7f, -0.8f, 1.0f, 1.0f, -0.4f},
                          // a2 alone reversed; the sum 0.72 - 0.30 stays positive
                          {0.9f, 0.6f, 0.5f, 0.8f, 1.0f, 1.0f, 0.4f},
                          // A and B reversed: A -> B keeps its sign, B -> C turns
                          {-0.6f, -0.5f, 0.6f, -0.7f, -0.95f, -1.0f, 0.3f, 1.0f, -0.5f}});
    }
    ResamplingTestModel test_;
};

TEST_F(ResamplingAlignmentTest, ReversedConstructsTurnWithTheirWeightsAndPathsThatTouchThemOnce) {
    const ResamplingStore aligned = AlignedSubsamples(test_.model, test_.store);
    ASSERT_EQ(aligned.subsamples(), 4);
    EXPECT_EQ(valuesOf(aligned.loadings(0)), (std::vector<float>{0.7f, 0.9f, 0.9f, 0.6f}));
    EXPECT_EQ(valuesOf(aligned.weights(0)), (std::vector<float>{0.4f, 0.6f, 0.6f, 0.5f}));
    EXPECT_EQ(valuesOf(aligned.loadings(1)), (std::vector<float>{-0.5f, -0.7f, 0.5f, -0.6f}));
    EXPECT_EQ(valuesOf(aligned.weights(1)), (std::vector<float>{0.6f, 0.8f, 0.8f, 0.7f}));
    EXPECT_EQ(valuesOf(aligned.loadings(2)), (std::vector<float>{0.9f, 1.0f, 1.0f, 0.95f}));
    EXPECT_EQ(valuesOf(aligned.coefficients(0)), (std::vector<float>{0.2f, 0.4f, 0.4f, 0.3f}));
    EXPECT_EQ(valuesOf(aligned.coefficients(1)), (std::vector<float>{0.5f, 0.5f, 0.5f, 0.5f}));
    // C was never reversed; the unassigned indicator has nothing to turn.
    EXPECT_EQ(valuesOf(aligned.loadings(4)), (std::vector<float>{1.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_EQ(valuesOf(aligned.loadings(3)), (std::vector<float>{0, 0, 0, 0}));
}

TEST_F(ResamplingAlignmentTest, TheRecordedSubsamplesStayAsTheEngineGaveThem) {
    const ResamplingStore aligned = AlignedSubsamples(test_.model, test_.store);
    EXPECT_EQ(valuesOf(test_.store.loadings(0)), (std::vector<float>{0.7f, -0.9f, 0.9f, -0.6f}));
    EXPECT_EQ(valuesOf(test_.store.coefficients(1)),
              (std::vector<float>{0.5f, 0.5f, 0.5f, -0.5f}));
    for (int s = 0; s < aligned.subsamples(); ++s) EXPECT_EQ(aligned.number(s), s);
}

}  // namespace
}  // namespace qv
