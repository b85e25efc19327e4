#include "core/results/Reliability.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Construct 0 has loadings 0.8 and 0.6 with residual variances 0.36 and 0.64; construct 1
// has no indicators.
ProjectModel twoConstructs() {
    ProjectModel model;
    model.nConstruct = 2;
    model.constructs[0].caption = "IMAGE";
    model.constructs[0].cronbachAlpha = 0.25;
    model.constructs[1].caption = "EMPTY";
    model.nIndicator = 3;
    model.indicators[0] = Indicator{.caption = "im1", .construct = 0, .loading = 0.8f, .residual = 0.36f};
    model.indicators[1] = Indicator{.caption = "u", .construct = -1, .loading = 0.9f, .residual = 0.1f};
    model.indicators[2] = Indicator{.caption = "im2", .construct = 0, .loading = 0.6f, .residual = 0.64f};
    return model;
}

TEST(Reliability, CompositeReliabilityAndAveOfTheWorkedExample) {
    const auto rows = ComputeReliability(twoConstructs(), 3);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NEAR(*rows[0].compositeReliability, 1.96 / 2.96, 1e-7);
    EXPECT_NEAR(*rows[0].ave, 0.5, 1e-7);
    EXPECT_FALSE(rows[1].compositeReliability);
    EXPECT_FALSE(rows[1].ave);
    EXPECT_EQ(FormatReliabilityTable(rows),
              "Construct,Composite,AVE,Cronbach\n"
              " ,Reliability,,Alpha (missing values replaced by the indicator mean)\n"
              "IMAGE,0.662162,0.500000,0.250000\nEMPTY,n/a,n/a,n/a\n");
}

// A single indicator has no internal consistency; a formative block has no reflective figures
// at all, whatever the numbers stored for it.
TEST(Reliability, UndefinedFiguresReadNotApplicable) {
    ProjectModel model = twoConstructs();
    model.indicators[1].construct = 1;
    model.constructs[1].cronbachAlpha = 0.0;
    auto rows = ComputeReliability(model, 3);
    EXPECT_FALSE(rows[1].compositeReliability);
    EXPECT_FALSE(rows[1].cronbachAlpha);
    EXPECT_NEAR(*rows[1].ave, 0.81 / 0.91, 1e-7);
    model.constructs[0].type = 1;
    rows = ComputeReliability(model, 3);
    EXPECT_FALSE(rows[0].compositeReliability || rows[0].ave || rows[0].cronbachAlpha);
    EXPECT_EQ(FormatReliabilityTable(rows).substr(FormatReliabilityTable(rows).find("IMAGE")),
              "IMAGE,n/a,n/a,n/a\nEMPTY,n/a,0.890110,n/a\n");
}

TEST(Reliability, ANegativeFigureThatRoundsToZeroHasNoSign) {
    EXPECT_EQ(ReliabilityFigureText(-1e-9), "0.000000");
    EXPECT_EQ(ReliabilityFigureText(-0.0), "0.000000");
    EXPECT_EQ(ReliabilityFigureText(-0.0000006), "-0.000001");
}

TEST(Reliability, OnlyTheCountedIndicatorsTakePart) {
    const auto rows = ComputeReliability(twoConstructs(), 2);  // im2 lies beyond: im1 alone
    EXPECT_NEAR(*rows[0].ave, 0.64 / 1.0, 1e-7);
    EXPECT_FALSE(rows[0].compositeReliability);
}

}  // namespace
}  // namespace qv
