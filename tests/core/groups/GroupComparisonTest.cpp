#include "core/groups/GroupComparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/app/Workbench.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/engine/EstimateCommand.h"
#include "core/groups/GroupReport.h"
#include "core/ports/ScriptedPorts.h"
#include "core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr int kGender = 27;  // the last variable of the satisfaction data: 1 or 2

GroupConditions genderIs(const std::string& value) {
    GroupConditions group;
    EXPECT_TRUE(group.add(CaseCondition{kGender, CaseOperator::Equal, value, CaseDataType::Integer}));
    return group;
}

// The satisfaction model (six constructs, ten paths) opened in a workbench whose start folder
// holds the built engine; the data's gender splits the 250 cases into 148 and 102.
class GroupComparisonTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path engine = fs::path(QV_START_DIR) / "pls";
        if (!fs::exists(engine)) GTEST_SKIP() << "the engine is not built";
        fs::create_directories(folder_ / "start");
        fs::create_symlink(engine, folder_ / "start" / "pls");
        fs::copy_file(fs::path(QV_START_DIR) / "English.ini", folder_ / "start" / "English.ini");
        for (const char* name : {"satisfaction.qvt", "satisfaction.txt"})
            fs::copy_file(fs::path(QV_TEST_DATA_DIR) / "groups" / name, folder_ / name);
        workbench_ = std::make_unique<Workbench>(user_.ports(), folder_ / "start");
        ASSERT_FALSE(workbench_->startUp().has_value());
        ASSERT_TRUE(workbench_->openModelByName((folder_ / "satisfaction.qvt").string()));
        user_.clear();
    }

    // The coefficients of an estimate of the cases the conditions keep, corrected when the
    // model parameter asks for consistent PLS.
    std::vector<float> estimateOf(const GroupConditions& group) {
        group.installIn(workbench_->caseFilter());
        EXPECT_TRUE(workbench_->loadRawData());
        EXPECT_TRUE(EstimateCommand(*workbench_).run());
        EXPECT_TRUE(ApplyConsistentParameter(*workbench_));
        std::vector<float> coefficients;
        for (int p = 0; p < workbench_->model().nPath; ++p)
            coefficients.push_back(workbench_->model().paths[p].coefficient);
        workbench_->caseFilter().reset();
        return coefficients;
    }

    TempFolder folder_;
    ScriptedPorts user_;
    std::unique_ptr<Workbench> workbench_;
};

TEST_F(GroupComparisonTest, SignificanceTestBootstrapsEachGroupAndComparesEveryPath) {
    user_.answer(true);
    GroupComparison comparison(*workbench_);
    ASSERT_EQ(comparison.significanceTest(genderIs("1"), genderIs("2")), GroupOutcome::Compared);
    ASSERT_FALSE(user_.events().empty());
    const Message question = user_.events().front().message;
    EXPECT_EQ(question.text, "Sample Size:\n\tGroup1: 148\n\tGroup2: 102\n Continue?");
    EXPECT_EQ(question.caption, "Group Comparison");
    EXPECT_TRUE(user_.messages().empty()) << user_.messages().front().text;

    const ProjectModel compared = workbench_->model();
    EXPECT_EQ(compared.groupDf, 248);
    EXPECT_EQ(user_.lastState(), workbench_->texts().lookup("MSG_Ready"));
    EXPECT_EQ(user_.lastStatus(), workbench_->texts().lookup("MSG_BootStrapOK") +
                                      "  The grid holds the cases of the selection again: 250");
    EXPECT_TRUE(compared.groupRun);
    // The user's selection (all cases) is back in force and its cases are in the grid again,
    // so the next estimate is not one of a group.
    EXPECT_EQ(workbench_->rawData().caseCount(), 250);
    EXPECT_EQ(workbench_->caseFilter().allCases, 1);
    EXPECT_EQ(workbench_->caseFilter().nCondition(), 0);
    for (const char* suffix : {"_gp1.pls", "_gp1.out", "_summary_gp1.out", "_cfa_gp1.csv",
                               "_gp2.pls", "_gp2.out", "_summary_gp2.out", "_cfa_gp2.csv"})
        EXPECT_TRUE(fs::is_regular_file(folder_ / ("satisfaction.qvt" + std::string(suffix))))
            << suffix;

    // The report shows every path with the df of the test.
    const auto report = WriteGroupReport(*workbench_, std::tm{});
    ASSERT_TRUE(report.has_value());
    const std::string page = testing::readBytes(*report);
    size_t rows = 0;
    for (auto at = page.find("<td>248<td>"); at != std::string::npos;
         at = page.find("<td>248<td>", at + 1))
        ++rows;
    EXPECT_EQ(rows, 10u);
    EXPECT_NE(page.find("<td align=center>SAT -> LOY<td>"), std::string::npos);

    // Each group's loadings table: the header, then a block per construct.
    const std::string loadings = testing::readBytes(folder_ / "satisfaction.qvt_cfa_gp2.csv");
    EXPECT_NE(loadings.find("imag1"), std::string::npos);
    EXPECT_NE(loadings, testing::readBytes(folder_ / "satisfaction.qvt_cfa_gp1.csv"));

    const std::vector<float> group1 = estimateOf(genderIs("1"));
    const std::vector<float> group2 = estimateOf(genderIs("2"));
    for (int p = 0; p < compared.nPath; ++p) {
        const Path& first = compared.paths[p];
        const Path& second = compared.groupPaths[p];
        EXPECT_FLOAT_EQ(first.coefficient, group1[p]);
        EXPECT_FLOAT_EQ(second.coefficient, group2[p]);
        EXPECT_EQ(second.src, first.src);
        EXPECT_EQ(second.dest, first.dest);
        EXPECT_GT(first.coefficientSE, 0);
        EXPECT_GT(second.coefficientSE, 0);
        EXPECT_FLOAT_EQ(second.coefficientT,
                        static_cast<float>(second.coefficient / second.coefficientSE));
        // The statistic has the sign of the difference C1 - C2.
        EXPECT_EQ(second.groupStatistic > 0, first.coefficient > second.coefficient) << p;
        EXPECT_NE(second.groupStatistic, 0);
    }
    EXPECT_GT(compared.groupConstructs[5].rSquare, 0);
    EXPECT_NE(compared.groupConstructs[5].rSquare, compared.constructs[5].rSquare);
}

TEST_F(GroupComparisonTest, PathEstimateKeepsEachGroupsCoefficientsWithoutStatistics) {
    user_.answer(true);
    GroupComparison comparison(*workbench_);
    ASSERT_EQ(comparison.pathEstimate(genderIs("2"), genderIs("1")), GroupOutcome::Compared);
    EXPECT_EQ(user_.events().front().message.caption, "Estimate Path Coefficient?");
    EXPECT_EQ(comparison.sizes().n1, 102);
    EXPECT_EQ(comparison.sizes().n2, 148);
    const ProjectModel compared = workbench_->model();
    EXPECT_EQ(workbench_->rawData().caseCount(), 250);
    const std::vector<float> group2 = estimateOf(genderIs("1"));
    for (int p = 0; p < compared.nPath; ++p) {
        EXPECT_FLOAT_EQ(compared.groupPaths[p].coefficient, group2[p]);
        EXPECT_EQ(compared.groupPaths[p].coefficientT, 0);
        EXPECT_EQ(compared.groupPaths[p].groupStatistic, 0);
        EXPECT_EQ(compared.paths[p].groupStatistic, 0);
    }
    EXPECT_FALSE(fs::exists(folder_ / "satisfaction.qvt_gp1.pls"));
}

// Under consistent PLS both groups are compared on their corrected figures: coefficients,
// bootstrap standard errors and the summaries kept for each group.
TEST_F(GroupComparisonTest, UnderConsistentPlsEachGroupIsComparedOnItsCorrectedFigures) {
    workbench_->parameters().consistent = true;
    user_.answer(true);
    GroupComparison comparison(*workbench_);
    ASSERT_EQ(comparison.significanceTest(genderIs("1"), genderIs("2")), GroupOutcome::Compared);
    // Group 2's corrected correlations are no correlation matrix: the warning names the group.
    const std::vector<Message> told = user_.messages();
    EXPECT_TRUE(std::any_of(told.begin(), told.end(), [](const Message& m) {
        return m.text.rfind("Group2: The consistent estimate is inadmissible", 0) == 0;
    }));
    const ProjectModel compared = workbench_->model();
    for (int number : {1, 2})
        EXPECT_NE(testing::readBytes(folder_ / ("satisfaction.qvt_summary_gp" + std::to_string(number) + ".out"))
                      .find(kConsistentCaption),
                  std::string::npos)
            << number;
    const auto report = WriteGroupReport(*workbench_, std::tm{});
    ASSERT_TRUE(report.has_value());
    EXPECT_NE(testing::readBytes(*report).find("<p>Consistent PLS (PLSc): each group"), std::string::npos);
    const std::vector<float> group1 = estimateOf(genderIs("1"));
    const std::vector<float> group2 = estimateOf(genderIs("2"));
    workbench_->parameters().consistent = false;
    const std::vector<float> ordinary = estimateOf(genderIs("1"));
    float largestCorrection = 0;
    for (int p = 0; p < compared.nPath; ++p) {
        EXPECT_NEAR(compared.paths[p].coefficient, group1[p], 1e-6) << p;
        EXPECT_NEAR(compared.groupPaths[p].coefficient, group2[p], 1e-6) << p;
        largestCorrection = std::max(largestCorrection, std::abs(group1[p] - ordinary[p]));
        const Path& second = compared.groupPaths[p];
        ASSERT_GT(second.coefficientSE, 0) << p;
        EXPECT_FLOAT_EQ(second.coefficientT, static_cast<float>(second.coefficient / second.coefficientSE));
        EXPECT_EQ(second.groupStatistic > 0, compared.paths[p].coefficient > second.coefficient) << p;
    }
    EXPECT_GT(largestCorrection, 0.01);

    workbench_->parameters().consistent = true;
    user_.answer(true);
    ASSERT_EQ(comparison.pathEstimate(genderIs("1"), genderIs("2")), GroupOutcome::Compared);
    for (int p = 0; p < compared.nPath; ++p)
        EXPECT_NEAR(workbench_->model().groupPaths[p].coefficient, group2[p], 1e-6) << p;
}

TEST_F(GroupComparisonTest, CancelAtTheSampleSizesRunsNothingAndRestoresTheSelection) {
    workbench_->caseFilter().allCases = 0;
    ASSERT_TRUE(workbench_->caseFilter().add(CaseCondition{0, CaseOperator::Greater, "5"}));
    user_.answer(false);
    GroupComparison comparison(*workbench_);
    EXPECT_EQ(comparison.significanceTest(genderIs("1"), genderIs("2")), GroupOutcome::Cancelled);
    EXPECT_EQ(workbench_->caseFilter().allCases, 0);
    ASSERT_EQ(workbench_->caseFilter().nCondition(), 1);
    EXPECT_EQ(workbench_->caseFilter().conditions()[0].value, "5");
    EXPECT_FALSE(fs::exists(folder_ / "satisfaction.qvt_gp2.pls"));
    EXPECT_FALSE(fs::exists(folder_ / "start" / "tmppls.pls"));
    // The grid holds the selection's cases again, not those of the group read last.
    EXPECT_EQ(workbench_->rawData().caseCount(), 225);
}

TEST_F(GroupComparisonTest, OverlappingGroupsAreAllowedAndTheQuestionSaysHowManyAreInBoth) {
    GroupConditions women = genderIs("2");
    user_.answer(false);
    GroupComparison comparison(*workbench_);
    EXPECT_EQ(comparison.pathEstimate(women, women), GroupOutcome::Cancelled);
    ASSERT_FALSE(user_.events().empty());
    EXPECT_EQ(user_.events().front().message.text,
              "Sample Size:\n\tGroup1: 102\n\tGroup2: 102\n\tIn both groups: 102\n Continue?");
    EXPECT_EQ(workbench_->rawData().caseCount(), 250);
}

TEST_F(GroupComparisonTest, AGroupWithoutCasesEndsTheComparisonAndTheDataAreReadAgain) {
    GroupComparison comparison(*workbench_);
    EXPECT_EQ(comparison.significanceTest(genderIs("1"), genderIs("3")), GroupOutcome::Failed);
    EXPECT_EQ(user_.unansweredQuestions(), 0);
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_EQ(user_.messages().back().text,
              "The cases of Group2 could not be read; the groups were not compared.");
    EXPECT_EQ(workbench_->rawData().caseCount(), 250);
    EXPECT_EQ(workbench_->caseFilter().allCases, 1);
}

TEST_F(GroupComparisonTest, AGroupTooSmallToBootstrapEndsTheComparisonWithAMessage) {
    GroupConditions two;
    ASSERT_TRUE(two.add(CaseCondition{0, CaseOperator::LessOrEqual, "2"}));  // two cases
    user_.answer(true);
    GroupComparison comparison(*workbench_);
    EXPECT_EQ(comparison.significanceTest(genderIs("1"), two), GroupOutcome::Failed);
    EXPECT_EQ(user_.messages().back().text,
              "The bootstrap of Group2 failed; the groups were not compared.");
    EXPECT_EQ(user_.lastStatus(), workbench_->texts().lookup("MSG_EstimateFail") +
                                      "  The grid holds the cases of the selection again: 250");
    EXPECT_EQ(workbench_->caseFilter().allCases, 1);
}

// A group's file that cannot be kept ends the comparison: its name would hold an older one.
TEST_F(GroupComparisonTest, AGroupFileThatCannotBeKeptEndsTheComparisonNamingIt) {
    for (const char* suffix : {"_gp2.out", "_cfa_gp2.csv"}) {
        const fs::path blocked = folder_ / ("satisfaction.qvt" + std::string(suffix));
        fs::create_directories(blocked / "in the way");  // stops root as well
        user_.clear();
        user_.answer(true);
        GroupComparison comparison(*workbench_);
        EXPECT_EQ(comparison.significanceTest(genderIs("1"), genderIs("2")), GroupOutcome::Failed);
        ASSERT_FALSE(user_.messages().empty()) << suffix;
        EXPECT_EQ(user_.messages().back().text, "cannot write " + blocked.string() + ": Is a directory");
        EXPECT_FALSE(fs::exists(folder_ / "satisfaction.qvt_gp1.out")) << suffix;  // group 1 never ran
        EXPECT_TRUE(user_.lastStatus().starts_with(workbench_->texts().lookup("MSG_EstimateFail")));
        fs::remove_all(blocked);
    }
}

}  // namespace
}  // namespace qv
