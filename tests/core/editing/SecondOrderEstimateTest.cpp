#include "core/editing/SecondOrderMembership.h"
#include "tests/core/editing/EcsiDialogEstimate.h"

namespace qv {
namespace {

using SecondOrderEstimate = EcsiDialogEstimate;

TEST_F(SecondOrderEstimate, SecondOrderModelBuiltThroughTheDialogEstimatesInTwoStages) {
    const int image = addConstruct("IMAG", {"IMAG1", "IMAG2", "IMAG3", "IMAG4", "IMAG5"});
    addConstruct("EXPE", {"CUEX1", "CUEX2", "CUEX3"});
    addConstruct("QUAL", {"PERQ1", "PERQ2", "PERQ3", "PERQ4", "PERQ5", "PERQ6", "PERQ7"});
    const int satisfaction = addConstruct("SAT", {"CUSA1", "CUSA2", "CUSA3"});
    const int loyalty = addConstruct("LOY", {"CUSL1", "CUSL2", "CUSL3"});
    model_.currentOrder = 2;
    const int brand = addConstruct("Con_5", {});
    model_.currentOrder = 1;
    ASSERT_TRUE(model_.addPath(brand, satisfaction));
    ASSERT_TRUE(model_.addPath(satisfaction, loyalty));

    SecondOrderMembership membership(dialogs(), brand);
    membership.show();
    ASSERT_EQ(membership.captions(membership.freeConstructs()),
              (std::vector<std::string>{"IMAG", "EXPE", "QUAL"}));
    membership.assign({0, 1, 2});
    membership.name = "BRAND";
    ASSERT_TRUE(membership.ok());
    ASSERT_TRUE(model_.hasSecondOrder);
    ASSERT_EQ(model_.constructs[brand].nCon, 3);

    ASSERT_TRUE(command().run());
    EXPECT_EQ(model_.estimationStage, 2);
    EXPECT_EQ(model_.nIndicator, 24);
    // SAT has the second-order construct as its only predictor: R-square = beta squared.
    const float beta = coefficient(brand, satisfaction);
    EXPECT_GT(beta, 0.5f);
    EXPECT_NEAR(model_.constructs[satisfaction].rSquare, beta * beta, 2e-6);
    // The first-stage score of IMAG that the second stage read, recomputed from the data file
    // with the first-stage weights (the second stage leaves the members' weights alone).
    const auto data = test::EcsiDataFile();
    std::vector<double> score(250, 0.0);
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "IMAG" + std::to_string(k);
        const std::vector<double> values = test::Standardized(data.at(name));
        const float weight = model_.indicators[indicatorNamed(name)].weight;
        EXPECT_GT(weight, 0.1f) << name;
        for (size_t r = 0; r < score.size(); ++r) score[r] += weight * values[r];
    }
    const int column = table_.nFields() + image + 1;
    ASSERT_EQ(table_.cell(column, 0), "IMAG");
    const std::vector<double> written = gridColumn(column);
    ASSERT_EQ(written.size(), 250u);
    for (size_t r = 0; r < written.size(); ++r) EXPECT_NEAR(written[r], score[r], 1e-9) << r;
}

}  // namespace
}  // namespace qv
