#include "core/editing/ConstructCopies.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// The longest caption there can be, in characters; its 38th is two bytes long.
const std::string kLongest = "COMPLAINTS_ABOUT_THE_SERVICE_AND_PRIC\u00C9ES";

// SAT -> LOY with two indicators each, and COM beside them.
ProjectModel Small() {
    ProjectModel model;
    model.rebuildIndicators({"s1", "s2", "l1", "l2", "c1"});
    for (int c = 0; c < 3; ++c) model.addConstruct(100 + 100 * c, 100);
    model.constructs[0].caption = "SAT";
    model.constructs[1].caption = "LOY";
    model.constructs[2].caption = kLongest;
    model.constructs[1].type = 1;
    model.addPath(0, 1);
    model.addPath(1, 2);
    for (int i : {0, 1}) model.assignIndicator(i, 0);
    for (int i : {2, 3}) model.assignIndicator(i, 1);
    model.assignIndicator(4, 2);
    model.modified = false;
    return model;
}

TEST(ConstructCopies, APasteTakesUniqueNamesThePathsAmongAndTheFreeIndicators) {
    ProjectModel model = Small();
    const ConstructCopies copies = CopyConstructs(model, {0, 1});
    ASSERT_EQ(copies.paths, (std::vector<std::pair<int, int>>{{0, 1}}));  // not 1 -> 2
    model.assignIndicator(3, -1);  // l2 is free: the copy of LOY gets it
    std::vector<int> pasted;
    ASSERT_TRUE(PasteConstructs(model, copies, 30, 40, pasted));
    EXPECT_EQ(pasted, (std::vector<int>{3, 4}));
    EXPECT_EQ(model.constructs[3].caption, "SAT_2");
    EXPECT_EQ(model.constructs[4].caption, "LOY_2");
    EXPECT_EQ(model.constructs[4].type, 1);
    EXPECT_EQ(model.constructs[3].x, 130);
    EXPECT_EQ(model.constructs[3].y, 140);
    EXPECT_EQ(model.nPath, 3);
    EXPECT_EQ(model.paths[2].src, 3);
    EXPECT_EQ(model.paths[2].dest, 4);
    EXPECT_EQ(model.indicators[0].construct, 0) << "held indicators stay where they are";
    EXPECT_EQ(model.indicators[3].construct, 4);
    EXPECT_EQ(model.constructs[4].nInd, 1);
    EXPECT_TRUE(model.modified);
    // Pasted again, the next free numbers.
    ASSERT_TRUE(PasteConstructs(model, copies, 60, 80, pasted));
    EXPECT_EQ(model.constructs[pasted[0]].caption, "SAT_3");
}

TEST(ConstructCopies, CutAndPasteKeepsTheIndicators) {
    ProjectModel model = Small();
    const ConstructCopies copies = CopyConstructs(model, {2});
    model.deleteConstructs({2});
    std::vector<int> pasted;
    ASSERT_TRUE(PasteConstructs(model, copies, 0, 0, pasted));
    EXPECT_EQ(model.constructs[pasted[0]].caption, kLongest) << "no clash, the name stays";
    EXPECT_EQ(model.indicators[4].construct, pasted[0]);
    // A long caption is cut to make room for its number, never inside a character.
    ASSERT_TRUE(PasteConstructs(model, copies, 0, 0, pasted));
    EXPECT_EQ(model.constructs[pasted[0]].caption, "COMPLAINTS_ABOUT_THE_SERVICE_AND_PRIC\u00C9_2");
}

TEST(ConstructCopies, NoRoomRefusesThePasteWhole) {
    ProjectModel model = Small();
    while (model.nConstruct < kMaxConstructs - 1) model.addConstruct(0, 0);
    const ConstructCopies copies = CopyConstructs(model, {0, 1});
    std::vector<int> pasted;
    const EditResult result = PasteConstructs(model, copies, 0, 0, pasted);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.messageKey, "MSG_ExceedMAXConstruct");
    EXPECT_EQ(model.nConstruct, kMaxConstructs - 1);
    EXPECT_TRUE(pasted.empty());
}

}  // namespace
}  // namespace qv
