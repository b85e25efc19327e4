#include "core/app/VariableMatch.h"

#include <gtest/gtest.h>

#include <memory>

namespace qv {
namespace {

// Stored variables a, b, c (a and c assigned) and the product terms a*c and b*c.
std::unique_ptr<ProjectModel> storedModel() {
    auto model = std::make_unique<ProjectModel>();
    model->rebuildIndicators({"a", "b", "c"});
    model->addConstruct(0, 0);
    model->addConstruct(0, 0);
    for (auto [predictor, moderator] : {std::pair{0, 2}, {1, 2}}) {
        Indicator product;
        product.caption = "p" + std::to_string(predictor);
        product.interaction = true;
        product.predictor = static_cast<short>(predictor);
        product.moderator = static_cast<short>(moderator);
        model->addProductIndicator(product);
    }
    model->assignIndicator(0, 0);
    model->assignIndicator(2, 1);
    model->assignIndicator(3, 1);
    return model;
}

TEST(VariableMatch, SameVariablesAreNoChange) {
    const auto model = storedModel();
    EXPECT_FALSE(compareVariables(*model, 3, {"a", "b", "c"}).any());
    const VariableChanges reordered = compareVariables(*model, 3, {"c", "a", "b"});
    EXPECT_TRUE(reordered.reordered);
    EXPECT_NE(reordered.describe().find("another order"), std::string::npos);
}

TEST(VariableMatch, ProductTermsFollowTheirFactorsAndLoseThemWhenGone) {
    auto model = storedModel();
    VariableChanges changes = compareVariables(*model, 3, {"c", "d", "a"});
    EXPECT_EQ(changes.missing, std::vector<std::string>{"b"});
    EXPECT_EQ(changes.added, std::vector<std::string>{"d"});
    matchIndicatorsToVariables(*model, 3, {"c", "d", "a"}, changes);
    EXPECT_EQ(changes.droppedProducts, 1);  // b*c lost its factor b
    ASSERT_EQ(model->nIndicator, 4);
    EXPECT_EQ(model->nProduct, 1);
    EXPECT_EQ(model->indicators[0].construct, 1);  // c
    EXPECT_EQ(model->indicators[1].construct, -1);  // d is new
    EXPECT_EQ(model->indicators[2].construct, 0);  // a
    const Indicator& product = model->indicators[3];
    EXPECT_EQ(product.caption, "p0");
    EXPECT_EQ(product.predictor, 2);
    EXPECT_EQ(product.moderator, 0);
    EXPECT_EQ(product.construct, 1);
    EXPECT_EQ(model->constructs[1].nInd, 2);
    EXPECT_NE(changes.describe().find("Product terms removed: 1"), std::string::npos);
}

}  // namespace
}  // namespace qv
