#include "core/editing/DiagramGeometry.h"

#include <gtest/gtest.h>

#include "core/editing/DiagramLabels.h"

namespace qv {
namespace {

// Constructs at (100,100), (300,100) and (300,300) with paths 0->1 and 1->2.
ProjectModel Triangle() {
    ProjectModel model;
    model.addConstruct(100, 100);
    model.addConstruct(300, 100);
    model.addConstruct(300, 300);
    model.addPath(0, 1);
    model.addPath(1, 2);
    return model;
}

TEST(DiagramGeometry, APathEndsAtTheDestinationCircleWithItsHeadBehind) {
    const ProjectModel model = Triangle();
    const auto shape = ShapeOfPath(model, 0, 25);
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->start, (DiagramPoint{100, 100}));
    EXPECT_EQ(shape->end, (DiagramPoint{275, 100}));
    // 10 pixels back along the line, turned 20 degrees either way.
    EXPECT_EQ(shape->headLeft, (DiagramPoint{265, 96}));
    EXPECT_EQ(shape->headRight, (DiagramPoint{265, 103}));
}

TEST(DiagramGeometry, CoincidentCentresHaveNoShape) {
    ProjectModel model = Triangle();
    model.constructs[1].x = model.constructs[0].x;
    model.constructs[1].y = model.constructs[0].y;
    EXPECT_FALSE(ShapeOfPath(model, 0, 25));
    EXPECT_TRUE(ShapeOfPath(model, 1, 25));
}

TEST(DiagramGeometry, HitTestsUseTheSquareAndTheLine) {
    ProjectModel model = Triangle();
    EXPECT_EQ(HitConstruct(model, 25, {124, 76}), 0);
    EXPECT_EQ(HitConstruct(model, 25, {125, 100}), -1) << "the square's edge is outside";
    model.constructs[0].construct = 5;  // a member of a second-order construct is not drawn
    EXPECT_EQ(HitConstruct(model, 25, {100, 100}), -1);
    // Paths are hit within four pixels of their line, horizontal, vertical or slanted.
    EXPECT_EQ(HitPath(model, {200, 100}), 0);
    EXPECT_EQ(HitPath(model, {200, 104}), 0);
    EXPECT_EQ(HitPath(model, {200, 106}), -1);
    EXPECT_EQ(HitPath(model, {297, 200}), 1);
    EXPECT_EQ(HitPath(model, {306, 200}), -1);
    EXPECT_EQ(HitPath(model, {300, 310}), -1) << "beyond the line's end";
    model.constructs[2].x = 500;
    EXPECT_EQ(HitPath(model, {402, 198}), 1);
    EXPECT_EQ(HitPath(model, {400, 210}), -1);
    EXPECT_EQ(HitPath(model, {520, 320}), -1) << "not beyond the end of the path";
}

TEST(DiagramGeometry, RectangleSelectsConstructsThenPaths) {
    const ProjectModel model = Triangle();
    Selection one = SelectByRectangle(model, 25, {75, 75}, {125, 125});
    EXPECT_EQ(one.constructs, std::vector<int>{0});
    EXPECT_TRUE(one.paths.empty());
    Selection two = SelectByRectangle(model, 25, {350, 150}, {50, 50});
    EXPECT_EQ(two.constructs, (std::vector<int>{0, 1}));
    EXPECT_EQ(two.paths, std::vector<int>{0});
    // No construct inside: the paths whose visible part lies inside.
    Selection line = SelectByRectangle(model, 25, {120, 90}, {290, 110});
    EXPECT_TRUE(line.constructs.empty());
    EXPECT_EQ(line.paths, std::vector<int>{0});
    EXPECT_TRUE(SelectByRectangle(model, 25, {10, 10}, {11, 11}).paths.empty());
}

TEST(DiagramLabels, ResultsFormatAsDrawn) {
    ProjectModel model = Triangle();
    Construct& construct = model.constructs[0];
    EXPECT_EQ(RSquareLabel(model, 0), "");
    construct.rSquare = 0.4321f;
    construct.q2 = 0.25f;
    EXPECT_EQ(RSquareLabel(model, 0), "RSq=0.432");
    EXPECT_EQ(Q2Label(construct), "");  // no blindfolding asked for
    construct.q2Kind = -1;
    EXPECT_EQ(Q2Label(construct), "Q2(C)=0.250");
    construct.q2Kind = 1;
    EXPECT_EQ(Q2Label(construct), "Q2(R)=0.250");
    construct.q2 = 0;
    construct.q2Missing = "blindfolding round 1: indicator x is constant";
    EXPECT_EQ(Q2Label(construct), "Q2(R)=n/a");  // never a number
    Path& path = model.paths[0];
    path.coefficientT = 3;
    EXPECT_EQ(CoefficientLabel(model, 0), "");
    EXPECT_EQ(StatisticLabel(model, 0), "");
    path.coefficient = -0.5f;
    EXPECT_EQ(CoefficientLabel(model, 0), "-0.500");
    EXPECT_EQ(StatisticLabel(model, 0), "(3.000)");
    path.coefficientT = 0;
    EXPECT_EQ(StatisticLabel(model, 0), "");
}

TEST(DiagramLabels, GroupComparisonShowsTheChosenGroup) {
    ProjectModel model = Triangle();
    model.constructs[1].rSquare = 0.5f;
    model.groupConstructs[1].rSquare = 0.25f;
    model.paths[0].coefficient = 0.5f;
    model.paths[0].coefficientT = 2;
    model.groupPaths[0].coefficient = 0.125f;
    model.groupPaths[0].coefficientT = 4;
    model.groupPaths[0].groupStatistic = 1.5f;
    model.groupDisplayMode = 1;
    EXPECT_EQ(RSquareLabel(model, 1), "RSq=0.500") << "only a group run shows group 2";
    model.groupRun = true;
    EXPECT_EQ(RSquareLabel(model, 1), "RSq=0.250");
    EXPECT_EQ(CoefficientLabel(model, 0), "0.125");
    EXPECT_EQ(StatisticLabel(model, 0), "(4.000)");
    model.groupDisplayMode = 2;
    EXPECT_EQ(RSquareLabel(model, 1), "RSq=0.500 0.250");
    EXPECT_EQ(CoefficientLabel(model, 0), "0.500 0.125");
    EXPECT_EQ(StatisticLabel(model, 0), "(1.500)");
    // Group 1's value decides whether anything is drawn.
    model.paths[0].coefficient = 0;
    EXPECT_EQ(CoefficientLabel(model, 0), "");
    EXPECT_EQ(StatisticLabel(model, 0), "");
}

}  // namespace
}  // namespace qv
