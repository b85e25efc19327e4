#include "core/editing/ConstructProductTerms.h"
#include "tests/core/editing/EcsiDialogEstimate.h"

namespace qv {
namespace {

using ProductTermEstimate = EcsiDialogEstimate;

TEST_F(ProductTermEstimate, InteractionOfImageAndValueIsEstimatedFromTheProductColumns) {
    const int image = addConstruct("IMAG", {"IMAG1", "IMAG2", "IMAG3", "IMAG4", "IMAG5"});
    const int value = addConstruct("VAL", {"PERV1", "PERV2"});
    const int satisfaction = addConstruct("SAT", {"CUSA1", "CUSA2", "CUSA3"});
    const int interaction = addConstruct("IMxVA", {});
    ConstructProductTerms generation(dialogs());
    generation.predictor = image;
    generation.moderator = value;
    generation.predictorAlias = "IM";
    generation.moderatorAlias = "VA";
    ASSERT_TRUE(generation.generate());
    ASSERT_EQ(generation.previewLines().size(), 10u);
    EXPECT_EQ(generation.previewLines()[5], "IM3VA2 - IMAG3*PERV2");
    ASSERT_TRUE(generation.ok());  // standardized and mean-centred, as Generate checked them
    ASSERT_EQ(model_.nProduct, 10);
    for (int i = 24; i < 34; ++i) ASSERT_TRUE(model_.assignIndicator(i, interaction));
    for (const int source : {image, value, interaction}) ASSERT_TRUE(model_.addPath(source, satisfaction));

    ASSERT_TRUE(command().run());
    EXPECT_EQ(model_.nIndicator, 34);
    // IM3VA2 is indicator 29, grid column 30: recomputed here from the data file.
    const auto data = test::EcsiDataFile();
    const std::vector<double> x = test::Centred(data.at("IMAG3"));
    const std::vector<double> z = test::Centred(data.at("PERV2"));
    std::vector<double> product(x.size());
    for (size_t r = 0; r < x.size(); ++r) product[r] = x[r] * z[r];
    product = test::Standardized(product);
    ASSERT_EQ(table_.cell(30, 0), "IM3VA2");
    const std::vector<double> written = gridColumn(30);
    ASSERT_EQ(written.size(), 250u);
    for (size_t r = 0; r < written.size(); ++r) EXPECT_NEAR(written[r], product[r], 1e-12) << r;
    EXPECT_NE(model_.indicators[29].loading, 0.0f);
    EXPECT_GT(model_.constructs[satisfaction].rSquare, 0.3f);
    EXPECT_NE(coefficient(interaction, satisfaction), 0.0f);
    EXPECT_TRUE(model_.estimated);
}

}  // namespace
}  // namespace qv
