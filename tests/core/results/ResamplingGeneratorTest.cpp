#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/results/ResamplingGenerator.h"

namespace qv {
namespace {

std::vector<int> draws(std::uint32_t seed, int count) {
    ResamplingGenerator generator;
    generator.seed(seed);
    std::vector<int> values;
    for (int i = 0; i < count; ++i) values.push_back(generator.draw());
    return values;
}

// Expected values worked out apart from the code: state * 22695477 + 1 modulo 2^32, bits
// 16..30, the first draw after seeding discarded.
TEST(ResamplingGeneratorTest, FirstDrawsOfASeedAreThoseOfTheGenerator) {
    EXPECT_EQ(draws(1, 6), (std::vector<int>{130, 10982, 1090, 11656, 7117, 17595}));
    EXPECT_EQ(draws(12345, 6), (std::vector<int>{24996, 10921, 23577, 19316, 10386, 21959}));
    // The state wraps around 2^32 without losing bits.
    EXPECT_EQ(draws(0xFFFFFFFFu, 6), (std::vector<int>{561, 22046, 20874, 23292, 16195, 29407}));
}

TEST(ResamplingGeneratorTest, TheSameSeedDrawsTheSameNumbersAndDrawsStayBelow32768) {
    EXPECT_EQ(draws(987654, 500), draws(987654, 500));
    EXPECT_NE(draws(987654, 50), draws(987655, 50));
    const std::vector<int> many = draws(42, 100000);
    EXPECT_GE(*std::min_element(many.begin(), many.end()), 0);
    EXPECT_EQ(*std::max_element(many.begin(), many.end()), 32767);
}

TEST(ResamplingGeneratorTest, UpTo32767CasesOneDrawGivesTheIndexBeyondTwoDrawsReachEveryCase) {
    ResamplingGenerator generator;
    generator.seed(3);
    EXPECT_EQ(generator.drawIndex(32767), 32467);
    EXPECT_EQ(generator.drawIndex(32767), 32686);
    EXPECT_EQ(generator.drawIndex(32767), 14075);
    generator.seed(3);
    EXPECT_EQ(generator.drawIndex(40000), 31342);
    EXPECT_EQ(generator.drawIndex(40000), 9620);
    EXPECT_EQ(generator.drawIndex(40000), 9559);

    generator.seed(11);
    int highest = 0;
    for (int i = 0; i < 20000; ++i) highest = std::max(highest, generator.drawIndex(100000));
    EXPECT_GT(highest, 90000);
}

TEST(ResamplingGeneratorTest, ABootstrapSubsampleListsNSortedCasesDrawnFromN) {
    ResamplingGenerator generator;
    generator.seed(7);
    // The first five draws modulo 5 are 4 2 1 0 1; sorted and 1-based they are the cases.
    EXPECT_EQ(DrawBootstrapCases(generator, 5), (std::vector<int>{1, 2, 2, 3, 5}));

    generator.seed(2024);
    for (int round = 0; round < 50; ++round) {
        const std::vector<int> cases = DrawBootstrapCases(generator, 250);
        ASSERT_EQ(cases.size(), 250u);
        EXPECT_TRUE(std::is_sorted(cases.begin(), cases.end()));
        EXPECT_GE(cases.front(), 1);
        EXPECT_LE(cases.back(), 250);
        EXPECT_LT(std::set<int>(cases.begin(), cases.end()).size(), 250u);  // duplicates kept
    }
}

// The ECSI example's 250 cases over 5,000 subsamples seeded as a run seeds them: every case,
// the last ones included, is drawn about once per subsample.
TEST(ResamplingGeneratorTest, EveryCaseIsDrawnOncePerSubsampleOnAverage) {
    constexpr int kCases = 250;
    constexpr int kSubsamples = 5000;
    ResamplingGenerator generator;
    generator.seed(20261207);
    std::vector<int> counts(kCases + 1, 0);
    for (int s = 0; s < kSubsamples; ++s)
        for (int number : DrawBootstrapCases(generator, kCases)) ++counts[number];
    for (int number = 1; number <= kCases; ++number)
        EXPECT_NEAR(counts[number] / double(kSubsamples), 1.0, 0.05) << "case " << number;
}

// 32768 = 20000 + 12768: taken modulo 20000 without drawing again, the indices below 12768
// would come twice as often as the others.
TEST(ResamplingGeneratorTest, DrawsThatWouldFavourLowIndicesAreDrawnAgain) {
    ResamplingGenerator generator;
    generator.seed(5);
    int low = 0, high = 0;
    for (int i = 0; i < 200000; ++i) (generator.drawIndex(20000) < 10000 ? low : high)++;
    EXPECT_NEAR(static_cast<double>(low) / high, 1.0, 0.03);
}

}  // namespace
}  // namespace qv
