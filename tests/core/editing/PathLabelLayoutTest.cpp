#include "core/editing/PathLabelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/model/ModelFile.h"

namespace qv {
namespace {

// Three constructs in a row at y = 100 and a fourth below the middle one.
ProjectModel Row() {
    ProjectModel model;
    model.addConstruct(100, 100);
    model.addConstruct(300, 100);
    model.addConstruct(500, 100);
    model.addConstruct(300, 300);
    return model;
}

TEST(PathLabelLayout, ALabelSitsAtTheMiddleOfTheVisiblePart) {
    ProjectModel model = Row();
    model.addPath(0, 1);
    model.addPath(1, 3);
    const auto boxes = PlacePathLabels(model, 25, {{40, 14}, {40, 14}}, {});
    ASSERT_TRUE(boxes[0] && boxes[1]);
    EXPECT_DOUBLE_EQ(boxes[0]->left, 200 - 20);
    EXPECT_DOUBLE_EQ(boxes[0]->top, 100 - 7);
    EXPECT_DOUBLE_EQ(boxes[1]->left, 300 - 20);
    EXPECT_DOUBLE_EQ(boxes[1]->top, 200 - 7);
}

TEST(PathLabelLayout, LabelsThatWouldMeetSlideAlongTheirPaths) {
    // Two diagonals crossing at their middles, (200, 200).
    ProjectModel model;
    model.addConstruct(100, 100);
    model.addConstruct(300, 300);
    model.addConstruct(300, 100);
    model.addConstruct(100, 300);
    model.addPath(0, 1);
    model.addPath(2, 3);
    const auto boxes = PlacePathLabels(model, 25, {{50, 14}, {50, 14}}, {});
    ASSERT_TRUE(boxes[0] && boxes[1]);
    EXPECT_DOUBLE_EQ(boxes[0]->left + 25, 200);
    EXPECT_FALSE(boxes[0]->overlaps(*boxes[1]));
    // The second one stays centred on its own line, x + y = 400.
    const double x = boxes[1]->left + 25, y = boxes[1]->top + 7;
    EXPECT_NEAR(x + y, 400, 1e-9);
    EXPECT_NE(x, 200);
    for (int c = 0; c < 4; ++c)
        EXPECT_FALSE(boxes[1]->coversCircle(model.constructs[c].x, model.constructs[c].y, 25)) << c;
}

TEST(PathLabelLayout, ObstaclesAreAvoidedAndPathsWithoutLabelsGetNone) {
    ProjectModel model = Row();
    model.addPath(0, 1);
    model.addPath(1, 2);
    const LabelBox caption{180, 90, 40, 20};
    const auto boxes = PlacePathLabels(model, 25, {{30, 14}, {0, 0}}, {caption});
    ASSERT_TRUE(boxes[0]);
    EXPECT_FALSE(boxes[0]->overlaps(caption));
    EXPECT_FALSE(boxes[1]);
    // Centres on the same point have no direction and so no label.
    model.constructs[1].x = model.constructs[0].x;
    EXPECT_FALSE(PlacePathLabels(model, 25, {{30, 14}}, {})[0]);
}

TEST(PathLabelLayout, ALabelWithNoRoomOnOneLineTakesTwo) {
    // A short vertical path between two texts that leave 60 pixels free around the line.
    ProjectModel model;
    model.addConstruct(100, 100);
    model.addConstruct(100, 200);
    model.addPath(0, 1);
    const std::vector<LabelBox> texts{{20, 120, 50, 60}, {130, 120, 50, 60}};
    const auto boxes = PlacePathLabels(model, 25, {{120, 14, 60, 28}}, texts);
    ASSERT_TRUE(boxes[0]);
    EXPECT_TRUE(boxes[0]->stacked);
    EXPECT_DOUBLE_EQ(boxes[0]->left, 70);
    EXPECT_DOUBLE_EQ(boxes[0]->top, 150 - 14);
    // Without a second shape it takes the place that covers least.
    const auto oneLine = PlacePathLabels(model, 25, {{120, 14}}, texts);
    ASSERT_TRUE(oneLine[0]);
    EXPECT_FALSE(oneLine[0]->stacked);
    EXPECT_GT(oneLine[0]->overlapArea(texts[0]) + oneLine[0]->overlapArea(texts[1]), 0);
}

TEST(PathLabelLayout, BoxesMeetOnlyWhenTheyShareArea) {
    const LabelBox a{0, 0, 10, 10};
    EXPECT_FALSE(a.overlaps({10, 0, 5, 5})) << "touching edges";
    EXPECT_TRUE(a.overlaps({9, 9, 5, 5}));
    EXPECT_DOUBLE_EQ(a.overlapArea({5, 5, 10, 10}), 25);
    EXPECT_TRUE(a.coversCircle(12, 5, 3));
    EXPECT_FALSE(a.coversCircle(14, 14, 5)) << "the corner stays outside the circle";
}

// How near a path's line comes to a centre it does not join.
double passing(const ProjectModel& model, const Path& path, const Construct& other) {
    const Construct& s = model.constructs[path.src];
    const Construct& d = model.constructs[path.dest];
    const double dx = d.x - s.x, dy = d.y - s.y;
    const double share = std::clamp(((other.x - s.x) * dx + (other.y - s.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(other.x - (s.x + share * dx), other.y - (s.y + share * dy));
}

TEST(ExampleLayout, NoPathOfTheExamplesRunsUnderACircle) {
    for (const char* example : {"ecsi/ecsi.qvt", "second-order/brand.qvt", "interaction/moderation.qvt"}) {
        ProjectModel model;
        ModelSettings settings;
        ModelFile::read(std::filesystem::path(QV_EXAMPLES_DIR) / example, model, settings);
        ASSERT_GT(model.nPath, 0) << example;
        for (int p = 0; p < model.nPath; ++p)
            for (int c = 0; c < model.nConstruct; ++c) {
                const Path& path = model.paths[p];
                if (c == path.src || c == path.dest || model.constructs[c].construct != -1) continue;
                EXPECT_GT(passing(model, path, model.constructs[c]), model.radius + 10)
                    << example << ": path " << p << " under " << model.constructs[c].caption;
            }
    }
}

}  // namespace
}  // namespace qv
