#include "core/editing/IndicatorLayout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/model/ModelFile.h"

namespace qv {
namespace {

// A construct in the middle with one indicator, and constructs to be joined around it.
ProjectModel Star() {
    ProjectModel model;
    model.rebuildIndicators({"x1", "x2", "x3", "x4", "x5", "x6"});
    model.addConstruct(300, 300);  // 0: the middle
    model.addConstruct(100, 300);  // 1: left
    model.addConstruct(500, 300);  // 2: right
    model.addConstruct(300, 100);  // 3: above
    model.addConstruct(300, 500);  // 4: below
    return model;
}

TEST(IndicatorLayout, TheBoxesGoWhereThePathsLeaveMostRoom) {
    ProjectModel model = Star();
    EXPECT_EQ(FreestSide(model, 0), IndicatorSide::Above) << "no path: above";
    model.addPath(0, 3);
    EXPECT_EQ(FreestSide(model, 0), IndicatorSide::Below) << "a path up: below";
    model.addPath(1, 0);
    EXPECT_EQ(FreestSide(model, 0), IndicatorSide::Right) << "right and below tie: the first in turn";
    model.addPath(0, 2);
    EXPECT_EQ(FreestSide(model, 0), IndicatorSide::Below);
    // With a path on every side, the side with the widest angle to its nearest path.
    model.constructs[4].x = 480;
    model.addPath(4, 0);
    EXPECT_EQ(FreestSide(model, 0), IndicatorSide::Below);
    model.constructs[4].x = 300;
    model.constructs[2].y = 420;
    EXPECT_EQ(FreestSide(model, 0), IndicatorSide::Right);
}

TEST(IndicatorLayout, RowsOfFourAboveAndColumnsBeside) {
    ProjectModel model = Star();
    for (int i = 0; i < 6; ++i) model.assignIndicator(i, 0);
    const std::vector<double> widths{40, 40, 40, 40, 60, 40};
    auto places = PlaceIndicators(model, 25, widths, 16);
    // Above: two rows, each centred on the construct, clear of the caption.
    ASSERT_TRUE(places[0] && places[3] && places[4] && places[5]);
    EXPECT_DOUBLE_EQ(places[0]->box.left, 300 - (4 * 40 + 3 * 6) / 2.0);
    EXPECT_DOUBLE_EQ(places[3]->box.right(), 300 + (4 * 40 + 3 * 6) / 2.0);
    EXPECT_EQ(places[0]->box.top, places[3]->box.top);
    EXPECT_LT(places[0]->box.bottom(), 300 - 25 - 20);
    EXPECT_DOUBLE_EQ(places[4]->box.left, 300 - (60 + 40 + 6) / 2.0);
    EXPECT_DOUBLE_EQ(places[4]->box.bottom(), places[0]->box.top - 6) << "the second row further out";
    // The arrow runs from the circle's edge to the middle of the box's lower side.
    EXPECT_DOUBLE_EQ(places[1]->boxY, places[1]->box.bottom());
    EXPECT_DOUBLE_EQ(places[1]->boxX, places[1]->box.left + 20);
    EXPECT_NEAR(std::hypot(places[1]->circleX - 300, places[1]->circleY - 300), 25, 1e-9);
    // Beside: one column centred on the construct, the near sides in line.
    model.addPath(0, 3);
    model.addPath(4, 0);
    places = PlaceIndicators(model, 25, widths, 16);
    EXPECT_DOUBLE_EQ(places[4]->box.right(), places[0]->box.right());
    EXPECT_LT(places[4]->box.right(), 300 - 25);
    EXPECT_DOUBLE_EQ(places[0]->box.top + places[5]->box.bottom(), 2 * 300);
    for (int i = 1; i < 6; ++i) EXPECT_FALSE(places[i]->box.overlaps(places[i - 1]->box)) << i;
}

// A box the user placed stands there; the others are laid out as if it were not there, and its
// arrow meets the box where the line from the construct's centre enters it.
TEST(IndicatorLayout, APlacedBoxStandsWhereItWasPut) {
    ProjectModel model = Star();
    for (int i = 0; i < 3; ++i) model.assignIndicator(i, 0);
    Indicator& moved = model.indicators[1];
    moved.boxPlaced = true;
    moved.boxDx = 100;
    moved.boxDy = 20;
    const auto places = PlaceIndicators(model, 25, std::vector<double>(6, 40), 16);
    ASSERT_TRUE(places[0] && places[1] && places[2]);
    EXPECT_DOUBLE_EQ(places[1]->box.left, 400 - 20);
    EXPECT_DOUBLE_EQ(places[1]->box.top, 320 - 8);
    EXPECT_DOUBLE_EQ(places[1]->boxX, 400 - 20) << "the line enters through the left side";
    EXPECT_DOUBLE_EQ(places[1]->boxY, 320 - 4);
    EXPECT_NEAR(places[1]->circleX, 300 + 25 * 100 / std::hypot(100, 20), 1e-9);
    EXPECT_NEAR(places[1]->circleY, 300 + 25 * 20 / std::hypot(100, 20), 1e-9);
    EXPECT_DOUBLE_EQ(places[0]->box.left, 300 - (2 * 40 + 6) / 2.0) << "one row of two, centred";
    EXPECT_DOUBLE_EQ(places[2]->box.left, places[0]->box.right() + 6);
    // Straight above, the arrow meets the middle of the box's lower side.
    moved.boxDx = 0;
    moved.boxDy = -120;
    const auto above = PlaceIndicators(model, 25, std::vector<double>(6, 40), 16);
    EXPECT_DOUBLE_EQ(above[1]->boxX, 300);
    EXPECT_DOUBLE_EQ(above[1]->boxY, 180 + 8);
    EXPECT_DOUBLE_EQ(above[1]->circleY, 300 - 25);
}

TEST(IndicatorLayout, OnlyIndicatorsOfDrawnConstructsHaveBoxes) {
    ProjectModel model = Star();
    model.assignIndicator(0, 1);
    model.assignIndicator(1, 2);
    model.constructs[2].construct = 3;  // a member of a second-order construct is not drawn
    const auto places = PlaceIndicators(model, 25, std::vector<double>(6, 30), 16);
    EXPECT_TRUE(places[0]);
    EXPECT_FALSE(places[1]);
    EXPECT_FALSE(places[2]) << "no construct";
}

// On the examples no indicator box covers a circle or another construct's box.
TEST(IndicatorLayout, TheExamplesBoxesMeetNoCircleAndNoOtherBox) {
    for (const char* example : {"ecsi/ecsi.qvt", "second-order/brand.qvt"}) {
        ProjectModel model;
        ModelSettings settings;
        ModelFile::read(std::filesystem::path(QV_EXAMPLES_DIR) / example, model, settings);
        const auto places = PlaceIndicators(model, model.radius, std::vector<double>(model.nIndicator, 48), 16);
        for (int i = 0; i < model.nIndicator; ++i) {
            if (!places[i]) continue;
            for (int c = 0; c < model.nConstruct; ++c) {
                if (model.constructs[c].construct != -1) continue;
                EXPECT_FALSE(places[i]->box.coversCircle(model.constructs[c].x, model.constructs[c].y, model.radius))
                    << example << " " << model.indicators[i].caption << " on " << model.constructs[c].caption;
            }
            for (int j = i + 1; j < model.nIndicator; ++j) {
                if (!places[j]) continue;
                EXPECT_FALSE(places[i]->box.overlaps(places[j]->box))
                    << example << " " << model.indicators[i].caption << " and " << model.indicators[j].caption;
            }
        }
    }
}

}  // namespace
}  // namespace qv
