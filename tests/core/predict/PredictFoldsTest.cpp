// The folds of a repetition: every case in exactly one fold, folds of sizes at most one apart,
// the same folds from the same seed and other folds from another.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/predict/PredictFolds.h"

namespace qv {
namespace {

std::vector<int> folds(std::uint32_t seed, int cases, int k) {
    ResamplingGenerator generator;
    generator.seed(seed);
    return DrawFolds(generator, cases, k);
}

TEST(PredictFolds, DealEveryCaseIntoOneOfKFoldsOfNearlyEqualSize) {
    const std::vector<int> foldOf = folds(5, 23, 4);
    ASSERT_EQ(foldOf.size(), 23u);
    for (int fold = 0; fold < 4; ++fold) {
        const std::vector<int> heldOut = HeldOutRows(foldOf, fold), training = TrainingRows(foldOf, fold);
        EXPECT_TRUE(heldOut.size() == 5u || heldOut.size() == 6u) << heldOut.size();
        EXPECT_EQ(heldOut.size() + training.size(), 23u);
        EXPECT_TRUE(std::is_sorted(training.begin(), training.end()));
        for (int row : heldOut) EXPECT_EQ(std::count(training.begin(), training.end(), row), 0);
    }
    // As many folds as cases leave each case out on its own.
    std::vector<int> alone = folds(5, 9, 9);
    std::sort(alone.begin(), alone.end());
    for (int c = 0; c < 9; ++c) EXPECT_EQ(alone[static_cast<size_t>(c)], c);
}

TEST(PredictFolds, TheSeedFixesTheFoldsAndEachRepetitionDealsAfresh) {
    EXPECT_EQ(folds(17, 250, 10), folds(17, 250, 10));
    EXPECT_NE(folds(17, 250, 10), folds(18, 250, 10));
    ResamplingGenerator generator;
    generator.seed(17);
    const std::vector<int> first = DrawFolds(generator, 250, 10);
    EXPECT_NE(DrawFolds(generator, 250, 10), first);
    // Not the cases in their order: the deal is shuffled.
    std::vector<int> inOrder(250);
    for (int c = 0; c < 250; ++c) inOrder[static_cast<size_t>(c)] = c % 10;
    EXPECT_NE(first, inOrder);
}

}  // namespace
}  // namespace qv
