#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/results/ResamplingStatistics.h"
#include "core/results/ResamplingSummary.h"
#include "tests/core/results/ResamplingTestModel.h"
#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// The hand-worked model of ResamplingTestModel, its statistics computed and its three
// summaries written into a folder of its own; each compared byte for byte with the expected
// file of tests/data/resampling.
class ResamplingSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qv-summary-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_ / "temp");
        test_.standardValues();
    }
    void TearDown() override { fs::remove_all(folder_); }

    SummaryRequest request(SampleKind kind, bool process) {
        ComputeResamplingStatistics(test_.model, test_.store, kind);
        return SummaryRequest{kind, test_.store.subsamples(), process,
                              ResamplingSummaryNames(kind, (folder_ / "model.qvt").string(),
                                                     folder_ / "temp")};
    }
    void expectFile(const std::string& written, const std::string& expected) {
        const fs::path golden = fs::path(QV_TEST_DATA_DIR) / "resampling" / expected;
        EXPECT_EQ(contentOf(written), contentOf(golden)) << expected;
    }

    fs::path folder_;
    ResamplingTestModel test_;
};

TEST_F(ResamplingSummaryTest, BootstrapSummariesWithoutTheProcess) {
    const SummaryRequest summary = request(SampleKind::Bootstrap, false);
    ASSERT_FALSE(WriteResamplingSummaries(test_.model, test_.store, summary));
    EXPECT_EQ(summary.names.text, (folder_ / "model_bt.out").string());
    EXPECT_EQ(summary.names.csv, (folder_ / "model_boot.csv").string());
    EXPECT_EQ(summary.names.html, (folder_ / "temp" / "model_bt.html").string());
    expectFile(summary.names.text, "bootstrap_bt.out");
    expectFile(summary.names.csv, "bootstrap_boot.csv");
    expectFile(summary.names.html, "bootstrap_bt.html");
}

TEST_F(ResamplingSummaryTest, BootstrapSummariesWithTheProcessAppendEverySubsample) {
    const SummaryRequest summary = request(SampleKind::Bootstrap, true);
    ASSERT_FALSE(WriteResamplingSummaries(test_.model, test_.store, summary));
    expectFile(summary.names.text, "bootstrap_process_bt.out");
    expectFile(summary.names.csv, "bootstrap_process_boot.csv");
    // The web section never shows the subsamples.
    expectFile(summary.names.html, "bootstrap_bt.html");
}

TEST_F(ResamplingSummaryTest, JackknifeSummariesWithoutTheProcess) {
    const SummaryRequest summary = request(SampleKind::Jackknife, false);
    ASSERT_FALSE(WriteResamplingSummaries(test_.model, test_.store, summary));
    EXPECT_EQ(summary.names.text, (folder_ / "model_jk.out").string());
    EXPECT_EQ(summary.names.csv, (folder_ / "model_jack.csv").string());
    EXPECT_EQ(summary.names.html, (folder_ / "temp" / "model_jk.html").string());
    expectFile(summary.names.text, "jackknife_jk.out");
    expectFile(summary.names.csv, "jackknife_jack.csv");
    expectFile(summary.names.html, "jackknife_jk.html");
}

TEST_F(ResamplingSummaryTest, JackknifeSummariesWithTheProcess) {
    const SummaryRequest summary = request(SampleKind::Jackknife, true);
    ASSERT_FALSE(WriteResamplingSummaries(test_.model, test_.store, summary));
    expectFile(summary.names.text, "jackknife_process_jk.out");
    expectFile(summary.names.csv, "jackknife_process_jack.csv");
}

// The summaries are replaced together or not at all: the previous run's stay whole.
TEST_F(ResamplingSummaryTest, AFileThatCannotBeCreatedIsNamedAndNoSummaryIsReplaced) {
    SummaryRequest summary = request(SampleKind::Bootstrap, false);
    std::ofstream(summary.names.text) << "the previous run";
    summary.names.csv = (folder_ / "missing" / "model_boot.csv").string();
    const auto failure = WriteResamplingSummaries(test_.model, test_.store, summary);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->starts_with("cannot write " + summary.names.csv + ": No such file or directory"))
        << *failure;
    EXPECT_EQ(contentOf(summary.names.text), "the previous run");
    EXPECT_FALSE(fs::exists(summary.names.html));
    EXPECT_EQ(testing::temporaryFilesIn(fs::path(summary.names.text).parent_path()), 0);
    EXPECT_EQ(testing::temporaryFilesIn(fs::path(summary.names.html).parent_path()), 0);

    summary.names.text = (folder_ / "missing" / "model_bt.out").string();
    EXPECT_TRUE(WriteResamplingSummaries(test_.model, test_.store, summary)
                    .value_or("")
                    .starts_with("cannot write " + summary.names.text + ": "));
}

// The run keeps its control file and listing once the summaries are whole and before any
// replaces its file: a kept file that fails leaves the previous summaries.
TEST_F(ResamplingSummaryTest, TheStepBeforeReplacingRunsOnceAndItsFailureKeepsThePreviousSummaries) {
    const SummaryRequest summary = request(SampleKind::Bootstrap, false);
    std::ofstream(summary.names.text) << "the previous run";
    int steps = 0;
    const auto failed = WriteResamplingSummaries(test_.model, test_.store, summary, [&] {
        ++steps;
        return std::optional<std::string>("cannot write model.boot: No space left on device");
    });
    EXPECT_EQ(failed, "cannot write model.boot: No space left on device");
    EXPECT_EQ(contentOf(summary.names.text), "the previous run");
    EXPECT_FALSE(fs::exists(summary.names.csv));
    EXPECT_EQ(testing::temporaryFilesIn(folder_), 0);

    std::string seenBeforeReplacing;
    ASSERT_FALSE(WriteResamplingSummaries(test_.model, test_.store, summary, [&] {
        ++steps;
        seenBeforeReplacing = contentOf(summary.names.text);
        return std::optional<std::string>();
    }));
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(seenBeforeReplacing, "the previous run");
    expectFile(summary.names.text, "bootstrap_bt.out");
}

}  // namespace
}  // namespace qv
