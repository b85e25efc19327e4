#include "core/editing/ResultTextPlace.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DiagramSegments, ALineCrossesABoxOnlyThroughItsInside) {
    const LabelBox box{10, 10, 20, 10};  // x 10..30, y 10..20
    EXPECT_TRUE(SegmentCrossesBox({0, 15, 40, 15}, box));   // straight through
    EXPECT_TRUE(SegmentCrossesBox({20, 0, 20, 15}, box));   // ends inside
    EXPECT_TRUE(SegmentCrossesBox({25, 25, 35, 5}, box));   // cuts a corner's inside
    EXPECT_TRUE(SegmentCrossesBox({12, 12, 14, 14}, box));  // wholly inside
    EXPECT_FALSE(SegmentCrossesBox({0, 10, 40, 10}, box));  // along the top edge
    EXPECT_FALSE(SegmentCrossesBox({0, 0, 40, 5}, box));    // above
    EXPECT_FALSE(SegmentCrossesBox({20, 0, 20, 9}, box));   // stops short
    EXPECT_FALSE(SegmentCrossesBox({0, 30, 10, 20}, box));  // touches the corner
    EXPECT_FALSE(SegmentCrossesBox({40, 15, 50, 15}, box)); // beside, on the same row
}

// A construct at (100, 100) whose texts (60 × 30) usually stand under its circle, left-aligned
// with it.
constexpr double kRadius = 25;
const LabelBox kUnder{-kRadius, kRadius, 60, 30};

LabelBox placed(const ProjectModel& model, int construct, const TextShift& shift) {
    return {model.constructs[construct].x + kUnder.left + shift.dx, model.constructs[construct].y + kUnder.top + shift.dy,
            kUnder.width, kUnder.height};
}

TEST(ResultTextPlace, TextsLeaveTheirPlaceOnlyForALineOrABox) {
    ProjectModel model;
    model.addConstruct(100, 100);
    model.addConstruct(300, 100);
    model.addPath(0, 1);
    auto shifts = PlaceResultTexts(model, kRadius, {kUnder, kUnder}, {}, {});
    EXPECT_DOUBLE_EQ(shifts[0].dx, 0);
    EXPECT_DOUBLE_EQ(shifts[0].dy, 0);
    EXPECT_DOUBLE_EQ(shifts[1].dx, 0);

    // A path straight down from the first construct: its texts go right of the line.
    model.addConstruct(100, 300);
    model.addPath(0, 2);
    shifts = PlaceResultTexts(model, kRadius, {kUnder, std::nullopt, kUnder}, {}, {});
    const LabelBox moved = placed(model, 0, shifts[0]);
    EXPECT_GT(moved.left, 100);
    EXPECT_DOUBLE_EQ(moved.top, 125);
    EXPECT_FALSE(SegmentCrossesBox(*VisiblePathPart(model, model.paths[1], kRadius), moved));
    EXPECT_DOUBLE_EQ(shifts[1].dx, 0);  // a construct without texts keeps nothing to move

    // An indicator's arrow down right as well: left of the line.
    const std::vector<Segment> arrow{{110, 123, 160, 200}};
    shifts = PlaceResultTexts(model, kRadius, {kUnder, std::nullopt, std::nullopt}, arrow, {});
    const LabelBox left = placed(model, 0, shifts[0]);
    EXPECT_LT(left.right(), 100);
    EXPECT_DOUBLE_EQ(left.top, 125);
    // A box there too, and the path to the right: left of the circle.
    shifts = PlaceResultTexts(model, kRadius, {kUnder, std::nullopt, std::nullopt}, arrow, {{40, 130, 30, 20}});
    const LabelBox beside = placed(model, 0, shifts[0]);
    EXPECT_LT(beside.right(), 75);
    EXPECT_LT(beside.top, 100);
    EXPECT_GT(beside.bottom(), 100);
}

TEST(ResultTextPlace, WithNoFreePlaceTheTextsTakeTheOneThatMeetsLeast) {
    ProjectModel model;
    model.addConstruct(100, 100);
    // Lines through every place but the left one, which a box covers: all meet one thing but
    // the place under the circle, which two lines cross.
    const std::vector<Segment> lines{{60, 140, 200, 140}, {60, 145, 200, 145}, {150, 80, 150, 120}};
    const auto shifts = PlaceResultTexts(model, kRadius, {kUnder}, lines, {{0, 80, 70, 40}});
    const LabelBox chosen = placed(model, 0, shifts[0]);
    EXPECT_NE(shifts[0].dx, 0);
    EXPECT_EQ(int(SegmentCrossesBox(lines[0], chosen)) + int(SegmentCrossesBox(lines[1], chosen)) +
                  int(SegmentCrossesBox(lines[2], chosen)) + int(chosen.overlaps({0, 80, 70, 40})),
              1);
}

}  // namespace
}  // namespace qv
