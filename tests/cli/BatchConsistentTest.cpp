// quorvanta-batch estimate with consistent PLS: the corrected figures in the tables and the
// JSON, checked against the ordinary run's own figures, and the warning of an improper solution.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/cli/BatchRun.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

using testing::CommandResult;

class BatchConsistent : public testing::EcsiBatchFolder {
protected:
    nlohmann::json estimate(const std::string& options, CommandResult& result) {
        const fs::path out = folder_ / "estimate.json";
        result = batch("estimate " + testing::quoted(folder_ / "ecsi.qvt") + " --json " + testing::quoted(out) + options);
        return nlohmann::json::parse(std::ifstream(out));
    }

    // Sets the model parameter Consistent=1 in the model file.
    void askForConsistent() {
        std::string model;
        {
            std::ifstream in(folder_ / "ecsi.qvt", std::ios::binary);
            model.assign(std::istreambuf_iterator<char>(in), {});
        }
        const auto at = model.find("BlindFoldingDistance=0\r\n");
        ASSERT_NE(at, std::string::npos);
        model.insert(at + 24, "Consistent=1\r\n");
        std::ofstream(folder_ / "ecsi.qvt", std::ios::binary) << model;
    }

    // The value of the IMAG -> EXPE line of a printed table, "IMAG -> EXPE  0.504914 ...".
    static double firstPathEstimate(const std::string& output) {
        const auto at = output.find("IMAG -> EXPE");
        return at == std::string::npos ? NAN : std::stod(output.substr(at + 12));
    }

    std::string firstLines(const std::string& name, int lines) const {
        std::ifstream in(folder_ / name);
        std::string text, line;
        for (int n = 0; n < lines && std::getline(in, line); ++n) text += line + "\n";
        return text;
    }
};

TEST_F(BatchConsistent, CorrectsTheOrdinaryFiguresAndWarnsOfTheImproperSolution) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    CommandResult plainRun, consistentRun;
    const nlohmann::json plain = estimate("", plainRun);
    const nlohmann::json consistent = estimate(" --consistent", consistentRun);
    ASSERT_EQ(plainRun.status, 0) << plainRun.output;
    EXPECT_EQ(plainRun.output.find("warning"), std::string::npos);
    // ECSI's corrected construct correlations are no correlation matrix: told, figures kept, exit 0.
    ASSERT_EQ(consistentRun.status, 0) << consistentRun.output;
    EXPECT_NE(consistentRun.output.find("quorvanta-batch: warning: The consistent estimate is inadmissible: the "
                                        "corrected construct correlations are not positive semi-definite"),
              std::string::npos)
        << consistentRun.output;
    EXPECT_NE(consistentRun.output.find("Consistent PLS (PLSc)"), std::string::npos);
    EXPECT_TRUE(consistent["consistent"].get<bool>());
    EXPECT_FALSE(consistent["admissible"].get<bool>());
    EXPECT_EQ(consistent["constructs"], plain["constructs"]);
    EXPECT_EQ(consistent["weights"], plain["weights"]);
    EXPECT_EQ(consistent["rho_a"].size(), 7u);
    for (const auto& [name, value] : plain["rho_a"].items())
        EXPECT_NEAR(consistent["rho_a"][name].get<double>(), value.get<double>(), 2e-6) << name;
    // EXPE has one predictor: its path is the composites' correlation, corrected by both reliabilities.
    const auto& rhoA = plain["rho_a"];
    const double corrected = plain["paths"][0]["coefficient"].get<double>() /
                             std::sqrt(rhoA["IMAG"].get<double>() * rhoA["EXPE"].get<double>());
    EXPECT_EQ(consistent["paths"][0]["to"], "EXPE");
    EXPECT_NEAR(consistent["paths"][0]["coefficient"].get<double>(), corrected, 1e-5);
    EXPECT_NEAR(consistent["r2"]["EXPE"].get<double>(), corrected * corrected, 1e-5);
    // The single indicator of COM measures it without error.
    EXPECT_DOUBLE_EQ(consistent["loadings"]["CUSCO"].get<double>(), 1.0);
    EXPECT_LT(consistent["loadings"]["CUEX1"].get<double>(), 1.0);
    EXPECT_NE(consistent["loadings"]["CUEX1"], plain["loadings"]["CUEX1"]);
    // The printed table shows the corrected coefficient.
    char text[32];
    std::snprintf(text, sizeof text, "%12.6f", consistent["paths"][0]["coefficient"].get<double>());
    EXPECT_NE(consistentRun.output.find(std::string("IMAG        EXPE        ") + text), std::string::npos)
        << consistentRun.output;
}

TEST_F(BatchConsistent, TheModelParameterAsksForItTooAndOtherCommandsRefuseTheOption) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    askForConsistent();
    CommandResult byOption, byModel;
    const nlohmann::json fromOption = estimate(" --consistent", byOption);
    const nlohmann::json fromModel = estimate("", byModel);
    EXPECT_EQ(byModel.status, 0) << byModel.output;
    EXPECT_TRUE(fromModel["consistent"].get<bool>());
    EXPECT_EQ(fromModel["paths"], fromOption["paths"]);
    const CommandResult refused = batch("assess " + testing::quoted(folder_ / "ecsi.qvt") + " --consistent");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.output.find("--consistent belongs to estimate"), std::string::npos) << refused.output;
}

TEST_F(BatchConsistent, UnderTheModelParameterTheOtherCommandsShowTheCorrectedFigures) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const std::string model = testing::quoted(folder_ / "ecsi.qvt");
    ASSERT_EQ(batch("tables " + model).status, 0);
    const std::string plainCorrelations = firstLines("ecsi_cor.csv", 3);
    const CommandResult plainBootstrap = batch("bootstrap " + model + " --samples 20 --seed 3");
    askForConsistent();
    CommandResult estimated;
    const double corrected = estimate("", estimated)["paths"][0]["coefficient"].get<double>();
    // The assessment's R² of EXPE, whose only predictor is IMAG, is the corrected path squared.
    const fs::path assessed = folder_ / "assess.json";
    ASSERT_EQ(batch("assess " + model + " --json " + testing::quoted(assessed)).status, 0);
    const auto assessment = nlohmann::json::parse(std::ifstream(assessed));
    EXPECT_TRUE(assessment["consistent"].get<bool>());
    EXPECT_NEAR(assessment["r2"]["EXPE"].get<double>(), corrected * corrected, 1e-5);

    const CommandResult bootstrap = batch("bootstrap " + model + " --samples 20 --seed 3");
    ASSERT_EQ(bootstrap.status, 0) << bootstrap.output;
    // Told once, though the run estimates the sample again.
    const auto told = bootstrap.output.find("inadmissible");
    ASSERT_NE(told, std::string::npos);
    EXPECT_EQ(bootstrap.output.find("inadmissible", told + 1), std::string::npos) << bootstrap.output;
    EXPECT_NEAR(firstPathEstimate(bootstrap.output), corrected, 1e-6) << bootstrap.output;
    EXPECT_GT(std::abs(firstPathEstimate(plainBootstrap.output) - corrected), 1e-3);
    // The run's summary says what it holds and holds the corrected estimate.
    const std::string summary = firstLines("ecsi_boot.csv", 100);
    EXPECT_NE(summary.find("Consistent PLS (PLSc): loadings and paths of the entire sample and of every subsample "
                           "corrected for attenuation\n"),
              std::string::npos)
        << summary;
    char line[48];
    std::snprintf(line, sizeof line, "IMAG->EXPE    ,%8.4f,", corrected);
    EXPECT_NE(summary.find(line), std::string::npos) << summary;

    ASSERT_EQ(batch("tables " + model).status, 0);
    const std::string correlations = firstLines("ecsi_cor.csv", 3);
    // EXPE's only predictor is IMAG: its corrected correlation with IMAG is its path.
    EXPECT_NE(correlations, plainCorrelations);
    char expected[32];
    std::snprintf(expected, sizeof expected, "EXPE,%.6f,", corrected);
    EXPECT_NE(correlations.find(expected), std::string::npos) << correlations;

    const CommandResult jackknife = batch("jackknife " + model);
    EXPECT_EQ(jackknife.status, 1);
    EXPECT_NE(jackknife.output.find("run the bootstrap"), std::string::npos) << jackknife.output;
}

}  // namespace
}  // namespace qv
