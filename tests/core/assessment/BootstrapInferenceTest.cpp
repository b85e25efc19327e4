#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentJson.h"
#include "core/assessment/InferenceCommand.h"
#include "core/assessment/InferenceFiles.h"
#include "core/results/ResamplingRun.h"
#include "tests/core/assessment/EcsiAssessment.h"

namespace qv {
namespace {

class BootstrapInferenceTest : public EcsiAssessment {};

// Other random streams than the reference's: standard errors within 5 % and percentile
// bounds within 0.01 of the range the two peers span.
TEST_F(BootstrapInferenceTest, FiveThousandSubsamplesLandInThePeersPlausibilityRanges) {
    estimate();
    workbench_.resampling().nSample = "5000";
    workbench_.resampling().seed = "123";
    const auto result = InferenceCommand(workbench_).run(true);
    ASSERT_TRUE(result.has_value());
    nlohmann::ordered_json json = AssessmentJson(result->assessment);
    AddInferenceJson(json, result->inference);
    EXPECT_EQ(json["samples"], 5000);
    EXPECT_EQ(json["seed"], 123);
    EXPECT_EQ(json["rejected"], 0);
    EXPECT_EQ(json["confidence"], 0.95);
    const nlohmann::json& plausible = reference()["bootstrap_plausibility"];
    for (const auto& [path, primary] : plausible["cSEM"]["paths"].items()) {
        SCOPED_TRACE(path);
        const nlohmann::json& second = plausible["seminr"]["paths"][path];
        const auto& mine = json["inference"]["paths"][path];
        ASSERT_TRUE(mine.is_object());
        const double seA = primary["bootstrap_se"].get<double>(), seB = second["bootstrap_se"].get<double>();
        const double seLow = std::min(seA, seB), seHigh = std::max(seA, seB);
        EXPECT_GE(mine["se"].get<double>(), 0.95 * seLow);
        EXPECT_LE(mine["se"].get<double>(), 1.05 * seHigh);
        for (int side = 0; side < 2; ++side) {
            const char* bound = side == 0 ? "lower" : "upper";
            const double a = primary["ci95_percentile"][bound].get<double>();
            const double b = second["ci95_percentile"][bound].get<double>();
            const double low = std::min(a, b), high = std::max(a, b);
            EXPECT_GE(mine["ci_percentile"][side].get<double>(), low - 0.01) << bound;
            EXPECT_LE(mine["ci_percentile"][side].get<double>(), high + 0.01) << bound;
        }
        EXPECT_LT(mine["ci_bca"][0].get<double>(), mine["estimate"].get<double>());
        EXPECT_GT(mine["ci_bca"][1].get<double>(), mine["estimate"].get<double>());
    }
    for (const char* group : {"paths", "loadings", "weights", "indirect", "total", "r2", "htmt", "f2"})
        EXPECT_FALSE(json["inference"][group].empty()) << group;
    EXPECT_TRUE(json["inference"]["htmt"].contains("IMAG|EXPE"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "project" / "ecsi_inference.csv"));
    EXPECT_TRUE(std::filesystem::exists(InferenceFragmentPath(workbench_.folders().tempDir)));
}

// The table command writes "_inference.csv" again from what the last bootstrap kept, at the
// level the options give; a later bootstrap without inference leaves nothing to write.
TEST_F(BootstrapInferenceTest, TheTablesTakeTheLastBootstrapsInferenceOnly) {
    estimate();
    const auto before = AssessmentCommand(workbench_).writeTables();
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(before->size(), 6u) << "no bootstrap yet";
    workbench_.resampling().nSample = "30";
    workbench_.resampling().seed = "5";
    workbench_.resampling().confidence = 90;
    ASSERT_TRUE(InferenceCommand(workbench_).run(true).has_value());
    const std::string kept = written("ecsi_inference.csv");
    EXPECT_TRUE(kept.starts_with("Bootstrap inference: 30 subsamples, 0 rejected, seed 5, confidence 90%\n")) << kept;
    std::filesystem::remove(folder_ / "project" / "ecsi_inference.csv");
    const auto tables = AssessmentCommand(workbench_).writeTables();
    ASSERT_TRUE(tables.has_value());
    ASSERT_EQ(tables->size(), 7u);
    EXPECT_EQ(tables->back(), (folder_ / "project" / "ecsi_inference.csv").string());
    EXPECT_EQ(written("ecsi_inference.csv"), kept);

    std::filesystem::remove(folder_ / "project" / "ecsi_inference.csv");
    ASSERT_TRUE(ResamplingRun(workbench_).run(SampleKind::Bootstrap));
    const auto afterPlainRun = AssessmentCommand(workbench_).writeTables();
    ASSERT_TRUE(afterPlainRun.has_value());
    EXPECT_EQ(afterPlainRun->size(), 6u);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "project" / "ecsi_inference.csv"));
}

}  // namespace
}  // namespace qv
