#include "core/editing/ConstructAssignment.h"

#include <gtest/gtest.h>

#include "tests/core/editing/EditingFixture.h"

namespace qv {
namespace {

TEST(ConstructAssignment, ShowsUnusedAndOwnIndicatorsInIndexOrder) {
    const ProjectModel model = test::SmallModel();
    const ConstructAssignment shown = LoadAssignment(model, 0);
    EXPECT_EQ(shown.unused, std::vector<std::string>{"u"});
    EXPECT_EQ(shown.assigned, (std::vector<std::string>{"x1", "x2"}));
    EXPECT_EQ(LoadAssignment(model, 1).type, 1);
}

TEST(ConstructAssignment, NameChecksComeInOrder) {
    const ProjectModel model = test::SmallModel();
    EXPECT_EQ(CheckConstructName(model, 0, " x1"), "MSG_NoSpace");
    EXPECT_EQ(CheckConstructName(model, 0, "x1 "), "MSG_NoSpace");
    // An indicator of another construct still blocks the name.
    EXPECT_EQ(CheckConstructName(model, 0, "x4"), "MSG_DuplicateName1");
    EXPECT_EQ(CheckConstructName(model, 0, "B"), "MSG_DuplicateName2");
    EXPECT_EQ(CheckConstructName(model, 0, "A"), "");
    EXPECT_EQ(CheckConstructName(model, 0, "ABCDEFGH"), "");
    EXPECT_EQ(CheckConstructName(model, 0, "Qualität der Leistung"), "");  // blanks inside are kept
    EXPECT_EQ(CheckConstructName(model, 0, ""), "");
    EXPECT_EQ(CheckConstructName(model, 0, "X1"), "") << "names compare with letter case";
}

TEST(ConstructAssignment, CommitAssignsExactlyTheListedIndicators) {
    ProjectModel model = test::SmallModel();
    model.estimated = true;
    for (int i : {0, 1}) model.indicators[i].boxPlaced = true;
    CommitAssignment(model, 0, "IMAG", ConstructAssignment{{"x1"}, {"x2", "u"}, 1});
    EXPECT_FALSE(model.indicators[0].boxPlaced) << "a box placed beside a construct it left";
    EXPECT_TRUE(model.indicators[1].boxPlaced) << "it stays with the construct";
    EXPECT_EQ(model.indicators[0].construct, -1);
    EXPECT_EQ(model.indicators[1].construct, 0);
    EXPECT_EQ(model.indicators[4].construct, 0);
    EXPECT_EQ(model.constructs[0].nInd, 2);
    EXPECT_EQ(model.constructs[0].type, 1);
    EXPECT_EQ(model.constructs[0].caption, "IMAG");
    EXPECT_FALSE(model.estimated);
    EXPECT_TRUE(model.modified);
    EXPECT_EQ(model.constructs[1].nInd, 1) << "other constructs keep theirs";
}

TEST(ConstructAssignment, ARenameKeepsTheEstimate) {
    ProjectModel model = test::SmallModel();
    model.estimated = true;
    CommitAssignment(model, 0, "NEW", LoadAssignment(model, 0));
    EXPECT_TRUE(model.estimated);
    EXPECT_EQ(model.constructs[0].caption, "NEW");
}

TEST(ConstructAssignment, RemovingAnIndicatorDropsResamplingResults) {
    ProjectModel model = test::SmallModel();
    model.addPath(0, 1);
    model.paths[0].coefficientT = 2.5f;
    model.estimated = model.resampled = model.bootstrapDone = true;
    bool dropped = false;
    EXPECT_FALSE(RemoveFromConstruct(model, 4, &dropped)) << "u is unassigned";
    ASSERT_TRUE(RemoveFromConstruct(model, 3, &dropped));
    EXPECT_TRUE(dropped);
    EXPECT_EQ(model.constructs[2].nInd, 0);
    EXPECT_EQ(model.indicators[3].construct, -1);
    EXPECT_FALSE(model.estimated || model.resampled || model.bootstrapDone);
}

}  // namespace
}  // namespace qv
