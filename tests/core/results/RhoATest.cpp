#include "core/results/RhoA.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qv {
namespace {

using Items = std::vector<std::vector<double>>;

double pearson(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sx += x[i], sy += y[i], sxx += x[i] * x[i], syy += y[i] * y[i], sxy += x[i] * y[i];
    }
    return (n * sxy - sx * sy) / std::sqrt((n * sxx - sx * sx) * (n * syy - sy * sy));
}

// Two items of equal weight: rho_A is the Spearman-Brown reliability 2r / (1 + r), whatever
// the scale of the weights.
TEST(RhoA, TwoEquallyWeightedItemsGiveSpearmanBrown) {
    const Items items{{1, 2, 3, 4, 5, 6}, {2, 1, 4, 3, 6, 4}};
    const double r = pearson(items[0], items[1]);
    EXPECT_NEAR(RhoAOf(items, {0.5, 0.5}), 2 * r / (1 + r), 1e-12);
    EXPECT_NEAR(RhoAOf(items, {3.0, 3.0}), 2 * r / (1 + r), 1e-12);
    EXPECT_EQ(RhoAOf({{1, 2, 3}}, {0.7}), 1.0);
}

// Three items with equal correlations r and equal weights: 3r / (1 + 2r). The items share
// one part and have parts of their own of equal size, uncorrelated with each other.
TEST(RhoA, ThreeParallelItemsGiveStandardizedAlpha) {
    const std::vector<double> common{1, -1, 1, -1, 1, -1, 1, -1};
    const Items own{{1, 1, -1, -1, 1, 1, -1, -1}, {1, 1, 1, 1, -1, -1, -1, -1}, {1, -1, -1, 1, -1, 1, 1, -1}};
    Items items(3);
    for (size_t i = 0; i < 3; ++i)
        for (size_t row = 0; row < common.size(); ++row) items[i].push_back(common[row] + own[i][row]);
    const double r = pearson(items[0], items[1]);
    ASSERT_NEAR(r, 0.5, 1e-12);
    ASSERT_NEAR(pearson(items[1], items[2]), r, 1e-12);
    EXPECT_NEAR(RhoAOf(items, {0.4, 0.4, 0.4}), 3 * r / (1 + 2 * r), 1e-12);
}

// Constructs: a = 1 2 3 4 5 and b = 1 -9 2 5 3 measure A (Mode A), c measures B alone,
// d and e measure the formative F, and S has no indicators of its own.
struct RhoAData {
    ProjectModel model;
    RawDataTable table;
    RhoAData() {
        const char* rows[6][6] = {{"", "a", "b", "c", "d", "e"},    {"1", "1", "1", "2", "1", "2"},
                                  {"2", "2", "-9", "1", "2", "1"},  {"3", "3", "2", "4", "3", "5"},
                                  {"4", "4", "5", "3", "4", "3"},   {"5", "5", "3", "5", "5", "4"}};
        table.resize(6, 6);
        table.setFieldCount(5);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 6; ++column) table.setCell(column, row, rows[row][column]);
        model.nConstruct = 4;
        model.nIndicator = 5;
        const int constructOf[] = {0, 0, 1, 2, 2};
        for (int i = 0; i < 5; ++i) {
            model.indicators[i].construct = constructOf[i];
            model.indicators[i].weight = 0.6f;
        }
        model.constructs[2].type = 1;
    }
};

TEST(RhoA, MissingCellsTakeTheirIndicatorsMeanAndSingleAndFormativeBlocksKeepOne) {
    RhoAData data;
    const RhoAValues rho = ComputeRhoA(data.model, data.table, -9.0);
    ASSERT_EQ(rho.error, "");
    ASSERT_EQ(rho.values.size(), 4u);
    // b's missing cell in case 2 takes the mean of 1 2 5 3, as in the engine.
    const Items replaced{{1, 2, 3, 4, 5}, {1, 2.75, 2, 5, 3}};
    EXPECT_NEAR(*rho.values[0], RhoAOf(replaced, {0.6, 0.6}), 1e-7);
    EXPECT_EQ(*rho.values[1], 1.0);
    EXPECT_EQ(*rho.values[2], 1.0);
    EXPECT_FALSE(rho.values[3].has_value());
    data.table.setCell(3, 2, "x");
    EXPECT_NE(ComputeRhoA(data.model, data.table, -9.0).error.find("x"), std::string::npos);
}

}  // namespace
}  // namespace qv
