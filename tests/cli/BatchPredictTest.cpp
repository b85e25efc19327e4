// quorvanta-batch predict: a seeded run repeats itself figure for figure, the JSON keeps its
// keys, the CSV lands beside the model, and options that cannot be met end with the reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/cli/BatchRun.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

using testing::CommandResult;

class BatchPredict : public testing::EcsiBatchFolder {
protected:
    CommandResult predict(const std::string& options, const std::string& jsonName = "predict.json") {
        return batch("predict " + testing::quoted(folder_ / "ecsi.qvt") + " --json " +
                     testing::quoted(folder_ / jsonName) + options);
    }
    nlohmann::json json(const std::string& name) const { return nlohmann::json::parse(std::ifstream(folder_ / name)); }
};

TEST_F(BatchPredict, ASeededRunRepeatsItselfAndKeepsItsKeys) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const CommandResult first = predict(" --folds 10 --repetitions 10 --seed 42", "first.json");
    ASSERT_EQ(first.status, 0) << first.output;
    const CommandResult second = predict(" --seed 42", "second.json");
    ASSERT_EQ(second.status, 0) << second.output;
    const CommandResult other = predict(" --seed 43 --technique ea", "other.json");
    ASSERT_EQ(other.status, 0) << other.output;
    EXPECT_EQ(first.output, second.output);
    const nlohmann::json a = json("first.json"), b = json("second.json"), c = json("other.json");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a["technique"], "da");
    EXPECT_EQ(c["technique"], "ea");
    EXPECT_EQ(a["folds"], 10);
    EXPECT_EQ(a["repetitions"], 10);
    ASSERT_EQ(a["indicators"].size(), 19u);
    const auto& cusa1 = a["indicators"][12];
    EXPECT_EQ(cusa1["name"], "CUSA1");
    EXPECT_EQ(cusa1["construct"], "SAT");
    for (const char* key : {"rmse_pls", "mae_pls", "q2_predict", "rmse_lm", "mae_lm"})
        EXPECT_TRUE(cusa1[key].is_number()) << key;
    EXPECT_LT(cusa1["mae_pls"].get<double>(), cusa1["rmse_pls"].get<double>());
    ASSERT_EQ(a["constructs"].size(), 6u);
    EXPECT_EQ(a["constructs"][0]["name"], "EXPE");
    EXPECT_TRUE(a["constructs"][0]["q2_predict"].is_number());
    EXPECT_TRUE(a["constructs"][0]["rmse"].is_number());
    EXPECT_NE(a["indicators"], c["indicators"]);
    // The CSV beside the model holds the last run's tables, its path printed last.
    const fs::path csv = folder_ / "ecsi_predict.csv";
    EXPECT_TRUE(first.output.ends_with(csv.string() + "\n")) << first.output;
    std::ifstream in(csv);
    std::string title, header;
    std::getline(in, title);
    std::getline(in, header);
    EXPECT_EQ(title, "PLSpredict of the indicators (earliest antecedents, 10 folds, 10 repetitions, seed 43, 250 cases)");
    EXPECT_EQ(header, "Indicator,Construct,RMSE (PLS),MAE (PLS),Q2predict,RMSE (LM),MAE (LM)");
}

TEST_F(BatchPredict, FoldsBeyondTheCasesEndTheRunWithTheReason) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const CommandResult refused = predict(" --folds 251");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("The model cannot be predicted: the folds must number from 2 to the 250 cases; "
                                  "251 were asked for."),
              std::string::npos)
        << refused.output;
    EXPECT_FALSE(fs::exists(folder_ / "predict.json"));
    EXPECT_FALSE(fs::exists(folder_ / "ecsi_predict.csv"));
}

TEST_F(BatchPredict, TheReportHoldsThePredictionItWasAskedFor) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const CommandResult result =
        batch("report " + testing::quoted(folder_ / "ecsi.qvt") + " --predict --folds 5 --repetitions 2 --seed 4");
    ASSERT_EQ(result.status, 0) << result.output;
    std::ifstream page(folder_ / "ecsi_report" / "WebOutput.html");
    const std::string html{std::istreambuf_iterator<char>(page), {}};
    EXPECT_NE(html.find("PLSpredict of the indicators (direct antecedents, 5 folds, 2 repetitions, seed 4, 250 cases)"),
              std::string::npos);
}

// The model's own options (the Predict dialog keeps them in the file) are the defaults; the
// command line's go over them one by one.
TEST_F(BatchPredict, TheModelsOptionsAreTheDefaults) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    std::ofstream(folder_ / "ecsi.qvt", std::ios::app) << "[Predict]\r\nFolds=5\r\nRepetitions=2\r\nSeed=7\r\nTechnique=1\r\n";
    const CommandResult stored = predict("");
    ASSERT_EQ(stored.status, 0) << stored.output;
    nlohmann::json figures = json("predict.json");
    EXPECT_EQ(figures["folds"], 5);
    EXPECT_EQ(figures["repetitions"], 2);
    EXPECT_EQ(figures["seed"], 7);
    EXPECT_EQ(figures["technique"], "ea");
    const CommandResult overridden = predict(" --folds 4 --technique da");
    ASSERT_EQ(overridden.status, 0) << overridden.output;
    figures = json("predict.json");
    EXPECT_EQ(figures["folds"], 4);
    EXPECT_EQ(figures["repetitions"], 2);
    EXPECT_EQ(figures["technique"], "da");
}

}  // namespace
}  // namespace qv
