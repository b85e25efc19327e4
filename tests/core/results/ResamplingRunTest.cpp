#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>

#include "core/results/ResamplingGenerator.h"
#include "core/results/ResamplingRun.h"
#include "tests/core/engine/EstimateFixture.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

int occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// The ECSI example estimated by the real engine, then resampled.
class ResamplingRunTest : public EstimateFixture {
protected:
    void SetUp() override {
        EstimateFixture::SetUp();
        if (IsSkipped()) return;
        texts_.set("MSG_BootStrapOK", "Bootstrap finished.");
        texts_.set("MSG_JackKnifeOK", "Jackknife finished.");
        texts_.set("MSG_EstimateFail", "The estimation failed.");
        texts_.set("MSG_OpenError", "Cannot create the file");
        fs::create_directories(startDir_ / "temp");
        options_.seed = "12345";
    }

    void buildEcsi() {
        addConstruct("IMAG", {"IMAG1", "IMAG2", "IMAG3", "IMAG4", "IMAG5"});
        addConstruct("EXPE", {"CUEX1", "CUEX2", "CUEX3"});
        addConstruct("QUAL", {"PERQ1", "PERQ2", "PERQ3", "PERQ4", "PERQ5", "PERQ6", "PERQ7"});
        addConstruct("VAL", {"PERV1", "PERV2"});
        addConstruct("SAT", {"CUSA1", "CUSA2", "CUSA3"});
        addConstruct("COM", {"CUSCO"});
        addConstruct("LOY", {"CUSL1", "CUSL2", "CUSL3"});
        for (auto [src, dest] : {std::pair{0, 1},
                                 {0, 4},
                                 {0, 6},
                                 {1, 2},
                                 {1, 3},
                                 {1, 4},
                                 {2, 3},
                                 {2, 4},
                                 {3, 4},
                                 {4, 5},
                                 {4, 6},
                                 {5, 6}})
            EXPECT_TRUE(model_.addPath(src, dest));
    }
    ResamplingRun resampling() {
        return ResamplingRun(ResamplingContext{model_, table_, parameters_, options_, files_,
                                               texts_, ports_, startDir_, false});
    }
    std::vector<std::string> progressCaptions() const {
        std::vector<std::string> captions;
        for (const auto& event : user_.events())
            if (event.kind == ScriptedPorts::Kind::ProgressStart)
                captions.push_back(event.message.text);
        return captions;
    }
    fs::path file(const std::string& name) const { return startDir_ / name; }
    // In the engine's place, the built engine behind a script that names no capabilities.
    void installEngineOfTheStandardLayout() {
        fs::remove(startDir_ / "pls");
        std::ofstream(startDir_ / "pls") << "#!/bin/sh\n[ \"$1\" = --capabilities ] && exit 0\nexec '"
                                         << (fs::path(QV_START_DIR) / "pls").string() << "' \"$@\"\n";
        fs::permissions(startDir_ / "pls", fs::perms::owner_all);
    }

    ResamplingOptions options_;
};

TEST_F(ResamplingRunTest, BootstrapOf500SubsamplesKeepsEveryFileAndTheEntireSampleEstimates) {
    buildEcsi();
    ASSERT_TRUE(command().run());
    const ProjectModel estimated = model_;
    options_.nSample = "500";
    user_.clear();
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap));
    EXPECT_TRUE(user_.messages().empty());

    for (const char* name :
         {"ecsi.bt", "ecsi.boot", "ecsi_bt.out", "ecsi_boot.csv", "temp/ecsi_bt.html"})
        EXPECT_TRUE(fs::is_regular_file(file(name))) << name;
    EXPECT_FALSE(fs::exists(file("tmppls.pls")));
    // The engine reads SAMPLE lines: the records once, then a line a subsample.
    const std::string card = contentOf(file("ecsi.bt"));
    EXPECT_EQ(occurrences(card, "\nSAMPLE "), 501);
    EXPECT_EQ(occurrences(card, " SubSample "), 499);
    EXPECT_EQ(occurrences(card, "\nCase"), 250);
    EXPECT_TRUE(card.ends_with("\nSAMPLE * ALLSample\nSTOP"));

    for (int i = 0; i < model_.nIndicator; ++i) {
        const Indicator& indicator = model_.indicators[i];
        EXPECT_FLOAT_EQ(indicator.loading, estimated.indicators[i].loading);
        // The loading of a single indicator is 1 in every subsample.
        const bool alone = model_.constructs[indicator.construct].nInd == 1;
        EXPECT_EQ(indicator.loadingSE > 0, !alone) << indicator.caption;
        EXPECT_EQ(indicator.loadingT != 0, !alone) << indicator.caption;
    }
    for (int p = 0; p < model_.nPath; ++p) {
        EXPECT_FLOAT_EQ(model_.paths[p].coefficient, estimated.paths[p].coefficient);
        EXPECT_GT(model_.paths[p].coefficientSE, 0);
        EXPECT_FLOAT_EQ(
            model_.paths[p].coefficientT,
            static_cast<float>(model_.paths[p].coefficient / model_.paths[p].coefficientSE));
    }
    EXPECT_TRUE(model_.bootstrapDone && model_.resampled && model_.estimated);
    EXPECT_FALSE(model_.jackknifeDone);
    EXPECT_EQ(user_.lastStatus(), "Bootstrap finished.");
    EXPECT_EQ(progressCaptions(),
              (std::vector<std::string>{"Resampling-BootStrap...", "Executing PLS Algorithm",
                                        "Estimate T value..."}));
    const std::string summary = contentOf(file("ecsi_bt.out"));
    EXPECT_TRUE(summary.starts_with("==================Result of Estimate (BootStrap)"));
    EXPECT_EQ(occurrences(summary, "->"), 12);
}

// The compact form and the standard layout give the same listing, byte for byte.
TEST_F(ResamplingRunTest, AnEngineThatNamesNoCapabilitiesGetsTheStandardLayout) {
    buildEcsi();
    options_.nSample = "20";
    for (const SampleKind kind : {SampleKind::Bootstrap, SampleKind::Jackknife}) {
        const auto [card, listing] = kind == SampleKind::Bootstrap ? std::pair("ecsi.bt", "ecsi.boot")
                                                                   : std::pair("ecsi.jk", "ecsi.jack");
        fs::remove(startDir_ / "pls");
        fs::create_symlink(fs::path(QV_START_DIR) / "pls", startDir_ / "pls");
        ASSERT_TRUE(resampling().run(kind));
        const std::string compactListing = contentOf(file(listing));
        EXPECT_EQ(occurrences(contentOf(file(card)), "\nCase"), 250);
        installEngineOfTheStandardLayout();
        ASSERT_TRUE(resampling().run(kind));
        const std::string standard = contentOf(file(card));
        EXPECT_EQ(occurrences(standard, "SAMPLE"), 0);
        EXPECT_EQ(occurrences(standard, "\nCase"), kind == SampleKind::Bootstrap ? 21 * 250 : 250 * 249 + 250);
        EXPECT_TRUE(contentOf(file(listing)) == compactListing);
    }
}

TEST_F(ResamplingRunTest, ASeedRepeatsTheSubsamplesAndSeedZeroTakesTheClock) {
    buildEcsi();
    options_.nSample = "20";
    options_.seed = "99";
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap));
    const std::string first = contentOf(file("ecsi.bt"));
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap));
    EXPECT_EQ(contentOf(file("ecsi.bt")), first);
    options_.seed = "100";
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap));
    EXPECT_NE(contentOf(file("ecsi.bt")), first);

    options_.seed = "0";
    ResamplingRun clocked = resampling();
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    ASSERT_TRUE(clocked.run(SampleKind::Bootstrap));
    EXPECT_GE(clocked.seedUsed(), before);
    EXPECT_LE(clocked.seedUsed(), static_cast<std::uint32_t>(std::time(nullptr)));
}

TEST_F(ResamplingRunTest, JackknifeOfEcsiLeavesOutEachCaseOnceAndKeepsItsFiles) {
    buildEcsi();
    ASSERT_TRUE(resampling().run(SampleKind::Jackknife));
    for (const char* name :
         {"ecsi.jk", "ecsi.jack", "ecsi_jk.out", "ecsi_jack.csv", "temp/ecsi_jk.html"})
        EXPECT_TRUE(fs::is_regular_file(file(name))) << name;
    const std::string card = contentOf(file("ecsi.jk"));
    // Each subsample is one SAMPLE line naming the case it leaves out.
    EXPECT_EQ(occurrences(card, "\nCase"), 250);
    EXPECT_EQ(occurrences(card, "\nSAMPLE -"), 250);
    EXPECT_NE(card.find("\nSubSample 0\n"), std::string::npos);
    EXPECT_NE(card.find("\nSAMPLE -1\nSAMPLE -2 SubSample 1\n"), std::string::npos);
    EXPECT_NE(card.find("\nSAMPLE -250 SubSample 249\nSAMPLE * ALLSample\nSTOP"), std::string::npos);
    EXPECT_TRUE(model_.jackknifeDone && model_.resampled);
    EXPECT_EQ(user_.lastStatus(), "Jackknife finished.");
    const std::string summary = contentOf(file("ecsi_jk.out"));
    EXPECT_TRUE(summary.starts_with("==================Result of Estimate (JackKnife)"));
    EXPECT_EQ(occurrences(summary, "(Adjusted)"), 6);
    for (int p = 0; p < model_.nPath; ++p) EXPECT_NE(model_.paths[p].coefficientT, 0);
}

TEST_F(ResamplingRunTest, WithTheProcessTheSummariesListEverySubsample) {
    buildEcsi();
    options_.nSample = "5";
    options_.process = true;
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap));
    const std::string text = contentOf(file("ecsi_bt.out"));
    EXPECT_NE(text.find("  S5      \n"), std::string::npos);
    EXPECT_EQ(text.find("  S6"), std::string::npos);
    EXPECT_NE(contentOf(file("ecsi_boot.csv")).find(",S1,S2,S3,S4,S5\n"), std::string::npos);
}

TEST_F(ResamplingRunTest, RunsThatCannotBeDoneAreRefusedBeforeAnyFileIsWritten) {
    buildEcsi();
    struct Case {
        std::function<void()> arrange;
        SampleKind kind;
        std::string message;
    };
    const std::vector<Case> cases{
        {[&] { options_.nSample = "1"; }, SampleKind::Bootstrap,
         "The number of samples must be between 2 and 1000000; 1 was asked for."},
        // Once overflowed the free-space check and wrote gigabytes.
        {[&] { options_.nSample = "2147483647"; }, SampleKind::Bootstrap,
         "The number of samples must be between 2 and 1000000; 2147483647 was asked for."},
        {[&] { options_.nSample = "many"; }, SampleKind::Bootstrap, ""},
        {[&] { options_.seed = "x"; }, SampleKind::Jackknife, ""},
        {[&] { table_.resize(table_.columnCount(), 3); }, SampleKind::Jackknife,
         "Resampling needs at least 3 cases; the data hold 2."},
        {[&] { model_.constructs[6].order = 2; }, SampleKind::Bootstrap,
         "Re-sample is not supported for 2nd order factor structure in the current version!\n"},
        {[&] { files_.project = (startDir_ / "missing" / "ecsi.qvt").string(); },
         SampleKind::Bootstrap,
         "cannot write " + (startDir_ / "missing" / "ecsi_boot.csv").string() + ": No such file or directory"},
        {[&] { model_.assignIndicator(indicatorNamed("CUSCO"), -1); }, SampleKind::Jackknife, ""},
    };
    for (const Case& refused : cases) {
        const ProjectModel model = model_;
        const RawDataTable table = table_;
        const ResamplingOptions options = options_;
        const ProjectFiles files = files_;
        refused.arrange();
        user_.clear();
        EXPECT_FALSE(resampling().run(refused.kind)) << refused.message;
        ASSERT_EQ(user_.messages().size(), 1u) << refused.message;
        if (!refused.message.empty()) {
            EXPECT_EQ(user_.messages()[0].text, refused.message);
        }
        EXPECT_FALSE(fs::exists(file("tmppls.pls"))) << refused.message;
        EXPECT_FALSE(model_.resampled);
        model_ = model;
        table_ = table;
        options_ = options;
        files_ = files;
    }
}

TEST_F(ResamplingRunTest, AMissingEngineIsToldWithTheFolderWhereItBelongs) {
    buildEcsi();
    texts_.set("MSG_PLSNotFound", "The estimation engine was not found:");
    texts_.set("MSG_AskDownload", "Download it now?");
    fs::remove(file("pls"));
    EXPECT_FALSE(resampling().run(SampleKind::Jackknife));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text,
              file("pls").string() + " The estimation engine was not found:\nDownload it now?");
}

TEST_F(ResamplingRunTest, ARunOfTheGroupComparisonLeavesFlagsAndStatusToIt) {
    buildEcsi();
    options_.nSample = "4";
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap, true));
    EXPECT_FALSE(model_.resampled || model_.bootstrapDone || model_.estimated);
    EXPECT_NE(user_.lastStatus(), "Bootstrap finished.");
    EXPECT_TRUE(fs::exists(file("ecsi_bt.out")));
    EXPECT_GT(model_.paths[0].coefficientSE, 0);
}

TEST_F(ResamplingRunTest, AControlFileLargerThanTheFreeDiskIsRefusedBeforeItIsWritten) {
    buildEcsi();
    installEngineOfTheStandardLayout();
    // The ECSI cases a hundred times over: a million subsamples make about 5 TB of problems.
    const int cases = table_.caseCount();
    table_.resize(table_.columnCount(), 100 * cases + 1);
    for (int row = cases + 1; row <= 100 * cases; ++row)
        for (int column = 0; column < table_.columnCount(); ++column)
            table_.setCell(column, row, table_.cell(column, (row - 1) % cases + 1));
    options_.nSample = "1000000";
    EXPECT_FALSE(resampling().run(SampleKind::Bootstrap));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_TRUE(user_.messages()[0].text.starts_with("The control file of 1000000 subsamples needs"))
        << user_.messages()[0].text;
    EXPECT_FALSE(fs::exists(file("tmppls.pls")));
    EXPECT_FALSE(model_.resampled);
    EXPECT_EQ(user_.lastStatus(), "The estimation failed.");
}

// A file that cannot be kept fails the run (its name would hold the previous run's figures);
// the statistics stay in the records.
TEST_F(ResamplingRunTest, AListingThatCannotBeKeptFailsTheRunAndTheStatisticsStay) {
    buildEcsi();
    options_.nSample = "3";
    fs::create_directories(file("ecsi.boot") / "in the way");
    EXPECT_FALSE(resampling().run(SampleKind::Bootstrap));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text, "cannot write " + file("ecsi.boot").string() + ": Is a directory");
    EXPECT_FALSE(fs::exists(file("ecsi_bt.out")));  // the summaries wait for the kept files
    EXPECT_GT(model_.paths[0].coefficientSE, 0);
    EXPECT_FALSE(model_.bootstrapDone);
    EXPECT_EQ(user_.lastStatus(), "The estimation failed.");
}

TEST_F(ResamplingRunTest, ASummaryThatCannotBeWrittenFailsTheRunAndTheStatisticsStay) {
    buildEcsi();
    options_.nSample = "3";
    fs::create_directories(file("ecsi_bt.out") / "in the way");
    EXPECT_FALSE(resampling().run(SampleKind::Bootstrap));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text, "cannot write " + file("ecsi_bt.out").string() + ": Is a directory");
    EXPECT_GT(model_.paths[0].coefficientSE, 0);
    EXPECT_FALSE(model_.bootstrapDone);
    EXPECT_FALSE(fs::exists(file("ecsi_boot.csv")));  // the summaries are replaced together
}

// Every subsample in the control file must lack case 17 to be rejected: then the engine
// finds CUSCO constant.
TEST_F(ResamplingRunTest, ASubsampleWithAConstantIndicatorIsLeftOutAndTheRestGiveTheStatistics) {
    buildEcsi();
    const int cusco = indicatorNamed("CUSCO") + 1;
    for (int row = 1; row <= table_.caseCount(); ++row) table_.setCell(cusco, row, "5");
    table_.setCell(cusco, 17, "9");
    options_.nSample = "40";
    ResamplingGenerator generator;
    generator.seed(12345);
    std::vector<int> lacking;
    for (int s = 0; s < 40; ++s) {
        const std::vector<int> drawn = DrawBootstrapCases(generator, table_.caseCount());
        if (std::find(drawn.begin(), drawn.end(), 17) == drawn.end()) lacking.push_back(s);
    }
    ASSERT_GT(lacking.size(), 5u);

    ResamplingRun run = resampling();
    ASSERT_TRUE(run.run(SampleKind::Bootstrap));
    ASSERT_EQ(run.leftOut().size(), lacking.size());
    for (size_t r = 0; r < lacking.size(); ++r) {
        EXPECT_EQ(run.leftOut()[r].number, lacking[r]);
        EXPECT_TRUE(run.leftOut()[r].reason.starts_with("Error:")) << run.leftOut()[r].reason;
    }
    const int kept = 40 - static_cast<int>(lacking.size());
    EXPECT_EQ(run.alignedSubsamples().subsamples(), kept);
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_TRUE(user_.messages()[0].text.starts_with(
        std::to_string(lacking.size()) + " of 40 subsamples were left out because the engine "
        "rejected them:\nSubSample " + std::to_string(lacking[0]) + ": Error:"))
        << user_.messages()[0].text;
    EXPECT_NE(contentOf(file("ecsi_bt.out"))
                  .find("Subsamples left out: " + std::to_string(lacking.size()) +
                        " of 40 (the engine rejected them)\n"),
              std::string::npos);
    for (int p = 0; p < model_.nPath; ++p) EXPECT_GT(model_.paths[p].coefficientSE, 0);
    EXPECT_TRUE(model_.bootstrapDone);
    EXPECT_EQ(user_.lastStatus(), "Bootstrap finished.");
}

// An engine that answers the subsamples numbered below a limit with an Error line and
// estimates the rest, the entire sample included.
class RejectingEngine {
public:
    RejectingEngine(const fs::path& startDir, int below) {
        fs::remove(startDir / "pls");
        std::ofstream(startDir / "pls")
            << "#!/bin/sh\n\"" << (fs::path(QV_START_DIR) / "pls").string() << "\" \"$1\" | "
            << "awk '/^---- Problem/ { skip = 0 } skip { next } "
            << "$1 == \"SubSample\" && $2 + 0 < " << below
            << " { print; print \"Error: too few cases\\r\"; skip = 1; next } { print }'\n";
        fs::permissions(startDir / "pls", fs::perms::owner_all);
    }
};

TEST_F(ResamplingRunTest, HalfTheSubsamplesRejectedStillGiveTheStatistics) {
    buildEcsi();
    options_.nSample = "10";
    RejectingEngine engine(startDir_, 5);
    ResamplingRun run = resampling();
    ASSERT_TRUE(run.run(SampleKind::Bootstrap));
    ASSERT_EQ(run.leftOut().size(), 5u);
    EXPECT_EQ(run.leftOut()[4].reason, "Error: too few cases");
    ASSERT_EQ(run.alignedSubsamples().subsamples(), 5);
    EXPECT_EQ(run.alignedSubsamples().number(0), 5);
    EXPECT_GT(model_.paths[0].coefficientSE, 0);
}

TEST_F(ResamplingRunTest, MoreThanHalfRejectedRefuseTheRunAndTheLastRunsFilesStayWhole) {
    buildEcsi();
    ASSERT_TRUE(command().run());
    options_.nSample = "10";
    ASSERT_TRUE(resampling().run(SampleKind::Bootstrap));
    const ProjectModel estimated = model_;
    const std::vector<std::string> names{"ecsi.bt", "ecsi.boot", "ecsi_bt.out", "ecsi_boot.csv",
                                         "temp/ecsi_bt.html"};
    std::vector<std::string> before;
    for (const std::string& name : names) before.push_back(contentOf(file(name)));

    RejectingEngine engine(startDir_, 6);
    options_.seed = "777";
    user_.clear();
    EXPECT_FALSE(resampling().run(SampleKind::Bootstrap));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_TRUE(user_.messages()[0].text.starts_with(
        "The run is refused: 6 of 10 subsamples were left out because the engine rejected "
        "them:\nSubSample 0: Error: too few cases\n"))
        << user_.messages()[0].text;
    for (size_t f = 0; f < names.size(); ++f)
        EXPECT_EQ(contentOf(file(names[f])), before[f]) << names[f];
    for (int p = 0; p < model_.nPath; ++p) {
        EXPECT_EQ(model_.paths[p].coefficient, estimated.paths[p].coefficient);
        EXPECT_EQ(model_.paths[p].coefficientSE, estimated.paths[p].coefficientSE);
    }
    EXPECT_EQ(user_.lastStatus(), "The estimation failed.");
}

TEST_F(ResamplingRunTest, AnEngineThatRejectsTheEntireSampleEndsTheRunAndKeepsTheEstimates) {
    buildEcsi();
    ASSERT_TRUE(command().run());
    const ProjectModel estimated = model_;
    // An engine that rejects every problem.
    fs::remove(file("pls"));
    std::ofstream(file("pls")) << "#!/bin/sh\nawk '/^(SubSample|ALLSample)/ { n++; printf \"---- Problem %d ----\\r\\n"
                                  "%s \\r\\nError: too few cases\\r\\n\", n, $0 } END { printf \"---- End of "
                                  "listing: problems %d ----\\r\\n\", n }' \"$1\"\n";
    fs::permissions(file("pls"), fs::perms::owner_all);
    options_.nSample = "4";
    user_.clear();
    EXPECT_FALSE(resampling().run(SampleKind::Bootstrap));
    EXPECT_TRUE(user_.told("MSG_PLSCompatible"));
    EXPECT_FALSE(fs::exists(file("ecsi_bt.out")));
    for (int i = 0; i < model_.nIndicator; ++i)
        EXPECT_EQ(model_.indicators[i].loading, estimated.indicators[i].loading);
    for (int p = 0; p < model_.nPath; ++p)
        EXPECT_EQ(model_.paths[p].coefficient, estimated.paths[p].coefficient);
    EXPECT_TRUE(model_.resampled && model_.estimated);
    EXPECT_FALSE(model_.bootstrapDone);
    EXPECT_EQ(user_.lastStatus(), "The estimation failed.");
}

TEST_F(ResamplingRunTest, AListingThatEndsEarlyNamesTheFirstProblemItLacks) {
    buildEcsi();
    fs::remove(file("pls"));
    std::ofstream(file("pls")) << "#!/bin/sh\n\"" << (fs::path(QV_START_DIR) / "pls").string()
                               << "\" \"$1\" | awk '/^---- Problem 4 / { exit } { print }'\n";
    fs::permissions(file("pls"), fs::perms::owner_all);
    options_.nSample = "10";
    EXPECT_FALSE(resampling().run(SampleKind::Bootstrap));
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_NE(user_.messages().back().text.find(" ends before SubSample "), std::string::npos)
        << user_.messages().back().text;
    EXPECT_FALSE(model_.bootstrapDone);
}

}  // namespace
}  // namespace qv
