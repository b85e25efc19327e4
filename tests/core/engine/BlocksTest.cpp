#include "core/engine/Blocks.h"

#include <gtest/gtest.h>

#include "core/engine/EngineTestModels.h"

namespace qv {
namespace {

// F1 and F2 form S; Y stands alone; W is a second-order construct without members.
TEST(Blocks, StagesChooseTheirConstructsAndPositions) {
    testing::ModelBuilder b;
    const int f1 = b.construct("F1");
    const int s = b.construct("S", 0, 2);
    const int f2 = b.construct("F2");
    const int y = b.construct("Y");
    b.construct("W", 0, 2);
    b.link(f1, s);
    b.link(f2, s);
    b.indicator("y1", y);
    b.indicator("f1", f1);
    b.indicator("y2", y);
    EXPECT_EQ(BlockConstructs(b.model, kFirstStage), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(BlockConstructs(b.model, kRegularStage), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(AllBlockIndicators(b.model, kFirstStage), (std::vector<int>{1, 0, 2}));
    // A blindfolding target names the block position: Y is construct 3 but the second block.
    EXPECT_EQ(BlockPosition(b.model, kRegularStage, y), 1);
    EXPECT_EQ(BlockPosition(b.model, kFirstStage, y), 2);
    EXPECT_EQ(BlockPosition(b.model, kRegularStage, f2), -1);
}

}  // namespace
}  // namespace qv
