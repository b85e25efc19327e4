#include "core/results/CronbachAlpha.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

using Items = std::vector<std::vector<double>>;

TEST(CronbachAlpha, IdenticalItemsGiveOneAndOpposedItemsGiveZero) {
    const std::vector<double> item{1, 4, 2, 5, 3};
    EXPECT_NEAR(CronbachAlphaOf(Items{item, item, item}), 1.0, 1e-15);
    // Equal variances and a perfect negative relation: every total is the same.
    EXPECT_EQ(CronbachAlphaOf(Items{{1, 2, 3, 4}, {4, 3, 2, 1}}), 0.0);
}

TEST(CronbachAlpha, FewerThanTwoItemsOrCasesGiveZero) {
    EXPECT_EQ(CronbachAlphaOf(Items{}), 0.0);
    EXPECT_EQ(CronbachAlphaOf(Items{{1, 2, 3}}), 0.0);
    EXPECT_EQ(CronbachAlphaOf(Items{{1}, {2}}), 0.0);
}

TEST(CronbachAlpha, TwoItemsByHand) {
    // Variances 2.5 and 0.5 (V = 3); the totals 3, 3, 6, 6, 7 have variance 3.5.
    EXPECT_NEAR(CronbachAlphaOf(Items{{1, 2, 3, 4, 5}, {2, 1, 3, 2, 2}}), 2 * (3.5 - 3) / 3.5,
                1e-14);
}

// Columns a b c over five cases; a and b measure construct 0, c construct 1.
struct AlphaData {
    ProjectModel model;
    RawDataTable table;
    AlphaData() {
        const char* rows[6][4] = {{"", "a", "b", "c"}, {"1", "1", "1", "3"}, {"2", "2", "-9", "1"},
                                  {"3", "3", "2", "4"}, {"4", "4", "5", "1"}, {"5", "5", "3", "5"}};
        table.setFieldCount(3);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 4; ++column) table.setCell(column, row, rows[row][column]);
        model.nConstruct = 2;
        model.nIndicator = 3;
        model.indicators[0].construct = model.indicators[1].construct = 0;
        model.indicators[2].construct = 1;
    }
};

TEST(CronbachAlpha, ACaseWithTheMissingCodeIsLeftOutOfItsConstructOnly) {
    AlphaData data;
    const CronbachAlphas withCode = ComputeCronbachAlphas(data.model, data.table, 3, -9.0);
    ASSERT_EQ(withCode.error, "");
    ASSERT_EQ(withCode.alphas.size(), 2u);
    // Without case 2: a = 1 3 4 5, b = 1 2 5 3.
    EXPECT_NEAR(withCode.alphas[0], CronbachAlphaOf(Items{{1, 3, 4, 5}, {1, 2, 5, 3}}), 1e-15);
    EXPECT_EQ(withCode.alphas[1], 0.0);
    const CronbachAlphas withoutCode = ComputeCronbachAlphas(data.model, data.table, 3, std::nullopt);
    EXPECT_NEAR(withoutCode.alphas[0], CronbachAlphaOf(Items{{1, 2, 3, 4, 5}, {1, -9, 2, 5, 3}}),
                1e-15);
}

TEST(CronbachAlpha, ACellThatIsNotANumberIsReported) {
    AlphaData data;
    data.table.setCell(3, 4, "n/a");
    const CronbachAlphas alphas = ComputeCronbachAlphas(data.model, data.table, 3, std::nullopt);
    EXPECT_NE(alphas.error.find("n/a"), std::string::npos);
}

}  // namespace
}  // namespace qv
