#include <gtest/gtest.h>

#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentJson.h"
#include "tests/core/assessment/EcsiAssessment.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
constexpr double kTolerance = 1e-6;

// Every figure of `expected` (a flat object of numbers or nulls) stands in `actual` within
// the tolerance; a null is a null.
void expectFigures(const Json& actual, const nlohmann::json& expected, const std::string& what) {
    for (const auto& [key, value] : expected.items()) {
        SCOPED_TRACE(what + " " + key);
        ASSERT_TRUE(actual.contains(key));
        if (value.is_null()) {
            EXPECT_TRUE(actual[key].is_null());
            continue;
        }
        ASSERT_TRUE(actual[key].is_number()) << actual[key];
        EXPECT_NEAR(actual[key].get<double>(), value.get<double>(), kTolerance);
    }
}

// A lower triangle row -> column of the reference against the full pair object, both orders.
void expectPairs(const Json& actual, const nlohmann::json& expected, const std::string& what) {
    for (const auto& [row, columns] : expected.items()) {
        expectFigures(actual[row], columns, what + " " + row);
        for (const auto& [column, value] : columns.items())
            expectFigures(actual[column], nlohmann::json{{row, value}}, what + " " + column);
    }
}

class AssessmentReferenceTest : public EcsiAssessment {
protected:
    Json assess() {
        estimate();
        const auto assessment = AssessmentCommand(workbench_).assess();
        EXPECT_TRUE(assessment.has_value());
        return assessment ? AssessmentJson(*assessment) : Json();
    }
};

TEST_F(AssessmentReferenceTest, DiscriminantValidityAndCollinearityMatchTheReference) {
    const Json json = assess();
    const nlohmann::json& expected = reference()["results"];
    EXPECT_EQ(json["constructs"], Json({"IMAG", "EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"}));
    expectPairs(json["htmt"], expected["htmt_mean_of_absolute_item_correlations"], "htmt");
    expectPairs(json["htmt2"], expected["htmt2_geometric_mean"], "htmt2");
    EXPECT_TRUE(json["htmt2"]["QUAL"]["LOY"].is_null());
    expectFigures(json["fornell_larcker"]["sqrt_ave"], expected["fornell_larcker"]["sqrt_ave"], "sqrt_ave");
    expectPairs(json["fornell_larcker"]["correlations"],
                expected["fornell_larcker"]["construct_correlations"], "correlations");
    for (const auto& [construct, indicators] : expected["vif_outer"].items())
        expectFigures(json["vif_outer"], indicators, "vif_outer " + construct);
    for (const auto& [endogenous, predictors] : expected["vif_inner"].items())
        for (const auto& [predictor, value] : predictors.items())
            expectFigures(json["vif_inner"][endogenous],
                          nlohmann::json{{predictor, value.is_null() ? 1.0 : value.get<double>()}},
                          "vif_inner " + endogenous);
}

TEST_F(AssessmentReferenceTest, ReliabilityEffectsAndFitMatchTheReference) {
    const Json json = assess();
    const nlohmann::json& expected = reference()["results"];
    expectFigures(json["f2"], expected["f2"], "f2");
    expectFigures(json["rho_a"], expected["rho_A"], "rho_a");
    expectFigures(json["rho_c"], expected["rho_C"], "rho_c");
    expectFigures(json["ave"], expected["ave"], "ave");
    expectFigures(json["alpha"], expected["cronbach_alpha_raw"], "alpha");
    expectFigures(json["r2"], expected["r_squared"], "r2");
    expectFigures(json["r2_adjusted"], expected["r_squared_adjusted"], "r2_adjusted");
    EXPECT_TRUE(json["r2"]["IMAG"].is_null());
    EXPECT_TRUE(json["r2_adjusted"]["IMAG"].is_null());
    for (const char* kind : {"direct", "indirect", "total"}) {
        const nlohmann::json& effects = expected[std::string(kind) + "_effects"];
        EXPECT_EQ(json["effects"][kind].size(), effects.size()) << kind;
        expectFigures(json["effects"][kind], effects, kind);
    }
    const nlohmann::json& srmr = expected["srmr"];
    expectFigures(json["srmr"]["common_factor"],
                  {{"saturated", srmr["common_factor_pls_loadings_saturated_model"]},
                   {"estimated", srmr["common_factor_pls_loadings_estimated_model"]}},
                  "srmr common factor");
    expectFigures(json["srmr"]["composite"],
                  {{"saturated", srmr["composite_saturated_model"]},
                   {"estimated", srmr["composite_estimated_model"]}},
                  "srmr composite");
}

TEST_F(AssessmentReferenceTest, TheTablesLandBesideTheModelAsCsv) {
    estimate();
    const auto files = AssessmentCommand(workbench_).writeTables();
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->size(), 6u);
    EXPECT_EQ(files->front(), (folder_ / "project" / "ecsi_htmt.csv").string());
    EXPECT_TRUE(written("ecsi_reliability.csv").starts_with("Reliability\nConstruct,Cronbach Alpha,rho_A,rho_C,AVE\n"));
    EXPECT_NE(written("ecsi_reliability.csv").find("\nCOM,n/a,1.000000,1.000000,1.000000\n"), std::string::npos);
    EXPECT_NE(written("ecsi_htmt.csv").find("\nLOY,0.796289,0.840583,n/a,0.886111,0.930473,0.635587\n"),
              std::string::npos)
        << written("ecsi_htmt.csv");
    EXPECT_NE(written("ecsi_effects.csv").find("\nIMAG,SAT,0.178740,0.210987,0.389727\n"), std::string::npos);
    EXPECT_NE(written("ecsi_fit.csv").find("\nCommon factor,0.075132,0.132786\nComposite,0.057363,0.123604\n"),
              std::string::npos)
        << written("ecsi_fit.csv");
    EXPECT_NE(written("ecsi_vif.csv").find("\nSAT,QUAL,2.841753\n"), std::string::npos);
    EXPECT_NE(written("ecsi_f2.csv").find("\nCOM,LOY,0.005758\n"), std::string::npos);
}

TEST_F(AssessmentReferenceTest, ASecondOrderModelOrAMissingEstimateIsRefusedWithTheReason) {
    EXPECT_FALSE(AssessmentCommand(workbench_).assess().has_value());
    EXPECT_FALSE(user_.events().empty());
    estimate();
    workbench_.model().hasSecondOrder = true;
    EXPECT_FALSE(AssessmentCommand(workbench_).assess().has_value());
    EXPECT_NE(user_.events().back().message.text.find("second-order"), std::string::npos);
}

}  // namespace
}  // namespace qv
