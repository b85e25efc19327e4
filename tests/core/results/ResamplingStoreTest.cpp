#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "core/results/ResamplingStore.h"
#include "tests/support/Sanitizers.h"

namespace qv {
namespace {

// Every table full: every indicator assigned to one of 24 constructs, a path between every pair.
void fillModel(ProjectModel& model) {
    std::vector<std::string> names;
    for (int i = 0; i < kMaxIndicators; ++i) names.push_back("v" + std::to_string(i));
    model.rebuildIndicators(names);
    for (int k = 0; k < kMaxConstructs; ++k) ASSERT_TRUE(model.addConstruct(k, k));
    for (int i = 0; i < kMaxIndicators; ++i) ASSERT_TRUE(model.assignIndicator(i, i % kMaxConstructs));
    for (int a = 0; a < kMaxConstructs; ++a)
        for (int b = a + 1; b < kMaxConstructs; ++b) ASSERT_TRUE(model.addPath(a, b));
    ASSERT_EQ(model.nPath, kMaxPaths);
}

void setSubsample(ProjectModel& model, int s) {
    for (int i = 0; i < model.nIndicator; ++i) {
        model.indicators[i].loading = static_cast<float>(s * 1000 + i);
        model.indicators[i].weight = -static_cast<float>(s * 1000 + i);
    }
    for (int p = 0; p < model.nPath; ++p) model.paths[p].coefficient = static_cast<float>(s + p);
}

TEST(ResamplingStoreTest, HoldsEveryIndicatorAndPathOfAFullModel) {
    auto model = std::make_unique<ProjectModel>();
    fillModel(*model);
    ResamplingStore store;
    ASSERT_TRUE(store.allocate(3, model->nIndicator, model->nPath));
    for (int s = 0; s < 3; ++s) {
        setSubsample(*model, s);
        store.record(s, *model);
    }
    EXPECT_EQ(store.subsamples(), 3);
    EXPECT_EQ(std::vector<float>(store.loadings(1287).begin(), store.loadings(1287).end()),
              (std::vector<float>{1287, 2287, 3287}));
    EXPECT_EQ(store.weights(96)[2], -2096);
    EXPECT_EQ(store.coefficients(275)[1], 276);
    // Positions outside the tables give nothing rather than another parameter's values.
    EXPECT_TRUE(store.loadings(kMaxIndicators).empty());
    EXPECT_TRUE(store.coefficients(-1).empty());
}

TEST(ResamplingStoreTest, KeepsOnlyAssignedIndicatorsAndRefusesAStoreBeyondTheMemory) {
    ProjectModel model;
    model.rebuildIndicators({"a", "free"});
    ASSERT_TRUE(model.addConstruct(0, 0));
    ASSERT_TRUE(model.assignIndicator(0, 0));
    ResamplingStore store;
    ASSERT_TRUE(store.allocate(2, model.nIndicator, 0));
    setSubsample(model, 1);
    store.record(1, model);
    ASSERT_EQ(store.subsamples(), 1);
    EXPECT_EQ(store.number(0), 1);
    EXPECT_EQ(store.loadings(0)[0], 1000);
    EXPECT_EQ(store.loadings(1)[0], 0);

    if (testing::kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer ends the process on a request beyond the memory instead of throwing";
    EXPECT_FALSE(store.allocate(INT_MAX, kMaxIndicators, kMaxPaths));
    EXPECT_EQ(store.subsamples(), 0);
    EXPECT_TRUE(store.loadings(0).empty());
}

// Subsamples 1 and 4 of six were rejected: the kept ones lie together, numbered as drawn.
TEST(ResamplingStoreTest, SubsamplesLeftOutLeaveNoGapAndTheOthersKeepTheirNumbers) {
    ProjectModel model;
    model.rebuildIndicators({"a", "b"});
    ASSERT_TRUE(model.addConstruct(0, 0));
    ASSERT_TRUE(model.addConstruct(1, 1));
    ASSERT_TRUE(model.assignIndicator(0, 0));
    ASSERT_TRUE(model.assignIndicator(1, 1));
    ASSERT_TRUE(model.addPath(0, 1));
    ResamplingStore store;
    ASSERT_TRUE(store.allocate(6, model.nIndicator, model.nPath));
    for (int s : {0, 2, 3, 5}) {
        setSubsample(model, s);
        store.record(s, model);
    }
    ASSERT_EQ(store.subsamples(), 4);
    EXPECT_EQ(std::vector<float>(store.loadings(1).begin(), store.loadings(1).end()),
              (std::vector<float>{1, 2001, 3001, 5001}));
    EXPECT_EQ(std::vector<float>(store.coefficients(0).begin(), store.coefficients(0).end()),
              (std::vector<float>{0, 2, 3, 5}));
    EXPECT_EQ(store.number(1), 2);
    EXPECT_EQ(store.number(3), 5);
    // The room is for six: records beyond it keep nothing.
    store.record(6, model);
    store.record(7, model);
    store.record(8, model);
    EXPECT_EQ(store.subsamples(), 6);
    EXPECT_EQ(store.weights(0).size(), 6u);
}

}  // namespace
}  // namespace qv
