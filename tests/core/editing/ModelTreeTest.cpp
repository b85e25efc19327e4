#include "core/editing/ModelTree.h"

#include <gtest/gtest.h>

#include "core/editing/NodeName.h"
#include "tests/core/editing/EditingFixture.h"

namespace qv {
namespace {

LanguageTexts English() {
    LanguageTexts texts;
    texts.set("MSG_UnUsedIndicators", "Unused Indicators");
    texts.set("MSG_Reflective", "Reflective");
    texts.set("MSG_Formative", "Formative");
    texts.set("MSG_2ndOrder", "2nd order");
    return texts;
}

std::vector<std::string> textsOf(const std::vector<TreeNode>& nodes) {
    std::vector<std::string> texts;
    for (const TreeNode& node : nodes) texts.push_back(node.text);
    return texts;
}

TEST(ModelTree, ListsConstructsAlphabeticallyWithTheirIndicators) {
    ProjectModel model = test::SmallModel();
    model.constructs[0].caption = "Zeta";
    const auto tree = BuildModelTree(model, English());
    // The unused indicators come last, after every construct.
    EXPECT_EQ(textsOf(tree), (std::vector<std::string>{"B(Formative)", "C(Reflective)", "Zeta(Reflective)",
                                                       "Unused Indicators"}));
    EXPECT_EQ(tree[0].image, NodeImage::Formative);
    EXPECT_EQ(tree[0].children[0].image, NodeImage::FormativeIndicator);
    EXPECT_EQ(textsOf(tree[3].children), std::vector<std::string>{"u"});
    EXPECT_EQ(textsOf(tree[2].children), (std::vector<std::string>{"x1", "x2"}));
}

TEST(ModelTree, IndicatorLinesCarryLoadingsAfterAnEstimate) {
    ProjectModel model = test::SmallModel();
    model.indicators[0].loading = 0.8125f;
    model.indicators[0].weight = 0.5f;
    model.indicators[0].residual = -0.25f;
    const auto tree = BuildModelTree(model, English());
    ASSERT_EQ(tree[0].text, "A(Reflective)");
    EXPECT_EQ(tree[0].children[0].text, "x1");
    EXPECT_EQ(tree[0].children[0].values, (std::vector<std::string>{"0.812", "0.500", "-0.250"}));
    EXPECT_EQ(tree[0].children[1].text, "x2");
    EXPECT_TRUE(tree[0].children[1].values.empty());
}

TEST(ModelTree, SecondOrderConstructsHoldTheirMembers) {
    ProjectModel model = test::SmallModel();
    model.currentOrder = 2;
    model.addConstruct(500, 500);
    model.constructs[3].caption = "S";
    model.linkConstruct(0, 3);
    model.linkConstruct(2, 3);
    // The score indicator lies behind the model's indicators, as the two-stage estimate puts it.
    const int score = model.nIndicator + 1;
    model.indicators[score].loading = 0.5f;
    model.indicators[score].residual = 0.75f;
    model.constructs[2].scoreIndicator = score;
    const auto tree = BuildModelTree(model, English());
    ASSERT_EQ(textsOf(tree), (std::vector<std::string>{"B(Formative)", "S(Reflective)-2nd order", "Unused Indicators"}));
    const TreeNode& second = tree[1];
    ASSERT_EQ(second.children.size(), 2u);
    EXPECT_EQ(second.children[0].text, "A");
    EXPECT_EQ(second.children[0].image, NodeImage::Member);
    EXPECT_EQ(second.children[1].text, "C");
    EXPECT_EQ(second.children[1].values, (std::vector<std::string>{"0.500", "0.000", "0.750"}));
    EXPECT_EQ(textsOf(second.children[0].children), (std::vector<std::string>{"x1", "x2"}));
}

// Names as long as people write them, blanks included, are found from the node text whole.
TEST(ModelTree, NodesNameTheirElementByTheWholeCaption) {
    ProjectModel model;
    model.rebuildIndicators({"Image 1", "Image 10", "Qualität der Leistung 1", "ABCDEFGHIJ", "x"});
    for (const char* name : {"Corporate Image", "Corporate", "Qualität der Leistung"}) {
        model.addConstruct(100 * (model.nConstruct + 1), 100);
        model.constructs[model.nConstruct - 1].caption = name;
    }
    EXPECT_EQ(IndicatorOfNode(model, "Image 1            0.812      0.300      0.341"), 0);
    EXPECT_EQ(IndicatorOfNode(model, "Image 10     0.812      0.300      0.341"), 1);
    EXPECT_EQ(IndicatorOfNode(model, "Image 10"), 1);
    EXPECT_EQ(IndicatorOfNode(model, "Qualität der Leistung 1     0.812"), 2);
    EXPECT_EQ(IndicatorOfNode(model, "ABCDEFGHIJ"), 3);
    EXPECT_EQ(IndicatorOfNode(model, "xy"), -1);
    EXPECT_EQ(IndicatorOfNode(model, "Image"), -1);
    EXPECT_EQ(ConstructOfNode(model, "Corporate Image(Reflective)"), 0);
    EXPECT_EQ(ConstructOfNode(model, "Corporate(Formative)-2nd Order"), 1);
    EXPECT_EQ(ConstructOfNode(model, "Corporate        0.900      0.500      0.190"), 1);
    EXPECT_EQ(ConstructOfNode(model, "Qualität der Leistung(Reflective)"), 2);
    EXPECT_EQ(ConstructOfNode(model, "Corporat(Reflective)"), -1);
    EXPECT_EQ(ConstructOfNode(model, "CorporateImage(Reflective)"), -1);
}

TEST(ModelTree, ProductTermsNameTheirFactors) {
    ProjectModel model = test::SmallModel();
    Indicator product{.caption = "x1*x3"};
    product.interaction = true;
    product.predictor = 0;
    product.moderator = 2;
    model.addProductIndicator(product);
    EXPECT_EQ(ProductTermText(model, "x1*x3"), "Product Term: x1 x x3");
    EXPECT_FALSE(ProductTermText(model, "x1"));
    EXPECT_FALSE(ProductTermText(model, "Unused Indicators"));
}

TEST(ModelTree, MenuEnablingFollowsTheNodeKind) {
    ProjectModel model = test::SmallModel();
    const std::string construct = "B(Formative)", assigned = "x3", unassigned = "u";
    TreeMenuState state = TreeMenuFor(model, nullptr, 0);
    EXPECT_FALSE(state.removeItem || state.setConstruct || state.changeProducts);
    EXPECT_TRUE(state.newProducts);
    state = TreeMenuFor(model, &construct, 0);
    EXPECT_TRUE(state.setConstruct);
    EXPECT_FALSE(state.removeItem);
    EXPECT_EQ(state.hitConstruct, 1);
    state = TreeMenuFor(model, &assigned, 1);
    EXPECT_TRUE(state.removeItem && state.setConstruct);
    EXPECT_EQ(state.hitConstruct, 1);
    state = TreeMenuFor(model, &unassigned, 1);
    EXPECT_FALSE(state.removeItem || state.setConstruct);
    // With a second-order construct level 1 holds constructs, so an indicator there offers nothing.
    model.currentOrder = 2;
    model.addConstruct(0, 0);
    state = TreeMenuFor(model, &assigned, 1);
    EXPECT_FALSE(state.removeItem || state.setConstruct);
    EXPECT_TRUE(TreeMenuFor(model, &assigned, 2).removeItem);
}

}  // namespace
}  // namespace qv
