#include "core/groups/GroupStatistic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

TEST(GroupStatistic, WorkedExampleUsesTheIntegerQuotients) {
    // k1 = 99^2 / 218 = 44 and k2 = 119^2 / 218 = 64 with the remainders dropped; with the
    // exact quotients (44.96, 64.96) t would be about 3.176.
    const GroupSizes sizes{100, 120};
    EXPECT_EQ(sizes.degreesOfFreedom(), 218);
    EXPECT_NEAR(GroupTStatistic({0.40, 0.05, 0.20, 0.04}, sizes), 3.205, 5e-4);
    // The difference is signed: group 2 larger gives a negative t of the same size.
    EXPECT_NEAR(GroupTStatistic({0.20, 0.04, 0.40, 0.05}, {120, 100}), -3.205, 5e-4);
}

TEST(GroupStatistic, NoPooledErrorOrNoDegreesOfFreedomGiveZero) {
    EXPECT_EQ(GroupTStatistic({0.5, 0, 0.1, 0}, {50, 60}), 0);
    EXPECT_EQ(GroupTStatistic({0.5, 0.1, 0.1, 0.1}, {1, 1}), 0);
    EXPECT_EQ(GroupTStatistic({0.5, 0.1, 0.1, 0.1}, {0, 5}), 0);
}

TEST(GroupStatistic, LargeGroupsDoNotOverflowTheQuotients) {
    // (N - 1)^2 passes the range of 32-bit integers from N = 46342 on.
    const double t = GroupTStatistic({0.3, 0.01, 0.2, 0.01}, {100000, 100000});
    EXPECT_GT(t, 0);
    EXPECT_NEAR(t, 0.1 / (std::sqrt(2e-5) * std::sqrt(2 * 49999.0 * 1e-4)), 1e-3);
}

// Two constructs A and B with the path A -> B, and B -> C whose coefficients do not vary.
ProjectModel comparedModel() {
    ProjectModel model;
    for (const char* caption : {"A", "B", "C"}) {
        EXPECT_TRUE(model.addConstruct(50 * model.nConstruct, 10));
        model.constructs[static_cast<size_t>(model.nConstruct - 1)].caption = caption;
    }
    EXPECT_TRUE(model.addPath(0, 1));
    EXPECT_TRUE(model.addPath(1, 2));
    model.paths[0].coefficient = 0.40f;
    model.paths[0].coefficientSE = 0.05;
    model.paths[0].coefficientT = 8.0f;
    model.paths[1].coefficient = 0.5f;
    model.groupPaths[0] = Path{.src = 0, .dest = 1, .coefficient = 0.20f, .coefficientSE = 0.04,
                               .coefficientT = 5.0f};
    model.groupPaths[1] = Path{.src = 1, .dest = 2, .coefficient = 0.5f};
    return model;
}

TEST(GroupStatistic, EveryPathOfTheSecondTableGetsItsStatisticAndTheModelTheDf) {
    ProjectModel model = comparedModel();
    ComputeGroupStatistics(model, {100, 120});
    EXPECT_NEAR(model.groupPaths[0].groupStatistic, 3.205f, 5e-4f);
    EXPECT_EQ(model.groupPaths[1].groupStatistic, 0.0f);
    EXPECT_EQ(model.paths[0].groupStatistic, 0.0f);  // the main table keeps group 1 as it was
    EXPECT_EQ(model.groupDf, 218);

    const std::vector<GroupComparisonRow> rows = GroupComparisonRows(model);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].source, "A");
    EXPECT_EQ(rows[0].destination, "B");
    EXPECT_FLOAT_EQ(rows[0].coefficient1, 0.40f);
    EXPECT_DOUBLE_EQ(rows[0].se2, 0.04);
    EXPECT_FLOAT_EQ(rows[0].t1, 8.0f);
    EXPECT_FLOAT_EQ(rows[0].t2, 5.0f);
    EXPECT_NEAR(rows[0].difference, 0.20, 1e-7);
    EXPECT_NEAR(rows[0].statistic, 3.205f, 5e-4f);
    EXPECT_EQ(rows[1].source, "B");
    EXPECT_EQ(rows[1].destination, "C");
    EXPECT_EQ(rows[1].difference, 0);
}

}  // namespace
}  // namespace qv
