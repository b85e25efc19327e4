#include "core/engine/EngineRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "core/engine/ListingProgress.h"
#include "core/ports/ScriptedPorts.h"
#include "tests/core/support/ScratchMount.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

std::string loadListing(const EngineRunner& runner) {
    std::string reason;
    return runner.loadListing(reason).value_or("none: " + reason);
}

// A start folder holding a stand-in engine made of one shell command.
class EngineRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        startDir_ = fs::temp_directory_path() /
                    ("qv runner 'quoted' $dir " + std::to_string(::getpid()));
        fs::create_directories(startDir_);
    }
    void TearDown() override { fs::remove_all(startDir_); }

    void installEngine(const std::string& command) {
        const fs::path engine = startDir_ / "pls";
        std::ofstream(engine) << "#!/bin/sh\n" << command << "\n";
        fs::permissions(engine, fs::perms::owner_all);
    }

    EngineFiles files() const { return EngineFiles{startDir_ / "pls", startDir_}; }
    fs::path startDir_;
    ScriptedPorts user_;
};

TEST_F(EngineRunnerTest, RunsTheEngineInAFolderWithShellCharactersAndLoadsItsListing) {
    installEngine("echo \"listing of $1\"");
    EngineRunner runner(files());
    EXPECT_TRUE(EngineExists(files()));
    EXPECT_EQ(runner.run(user_, "Executing PLS Algorithm"), EngineOutcome::Finished);
    EXPECT_EQ(loadListing(runner), "listing of tmppls.pls\n");
    EXPECT_TRUE(fs::exists(files().marker()));
    runner.CleanEngineFiles();
    EXPECT_FALSE(fs::exists(files().marker()));
    EXPECT_FALSE(fs::exists(files().script()));
    ASSERT_FALSE(user_.events().empty());
    EXPECT_EQ(user_.events().front().message.text, "Executing PLS Algorithm");
}

// Keeps every position the wait shows.
class RecordedProgress : public ProgressView {
public:
    void start(const std::string&, int maximum) override { maximum_ = maximum; }
    void setPosition(int position) override {
        if (positions_.empty() || positions_.back() != position) positions_.push_back(position);
    }
    bool cancelRequested() override { return false; }
    void finish() override {}
    int maximum_ = 0;
    std::vector<int> positions_;
};

TEST_F(EngineRunnerTest, TheProgressCountsTheProblemsTheListingHolds) {
    // A listing left from another run is not this run's progress.
    std::ofstream(files().listing()) << "---- Problem 1\n---- Problem 2\n---- Problem 3\n";
    // Two of four problems printed at once, a third a second later, the last at the end.
    installEngine("printf -- '---- Problem 1 ----\\r\\n---- Problem 2 ----\\r\\n'; sleep 1.2; "
                  "printf -- '---- Problem 3 ----\\r\\n'; sleep 1.2; printf -- '---- Problem 4 ----\\r\\n'");
    EngineRunner runner(files());
    RecordedProgress progress;
    EXPECT_EQ(runner.run(progress, "run", 4), EngineOutcome::Finished);
    EXPECT_EQ(progress.maximum_, 4);
    EXPECT_EQ(progress.positions_, (std::vector<int>{0, 2, 3, 4})) << ::testing::PrintToString(progress.positions_);

    // Banners cut between two looks are counted once.
    ListingProgress printed(files().listing());
    std::ofstream(files().listing(), std::ios::binary) << "x---- Prob";
    EXPECT_EQ(printed.problemsPrinted(), 0);
    std::ofstream(files().listing(), std::ios::binary | std::ios::app) << "lem 1\r\n---- Problem 2";
    EXPECT_EQ(printed.problemsPrinted(), 2);
    EXPECT_EQ(printed.problemsPrinted(), 2);
}

TEST_F(EngineRunnerTest, ALeftOverMarkerDoesNotEndTheNextWait) {
    installEngine("sleep 0.3; echo fresh");
    std::ofstream(files().marker()) << "END";
    EngineRunner runner(files());
    EXPECT_EQ(runner.run(user_, "run"), EngineOutcome::Finished);
    EXPECT_EQ(loadListing(runner), "fresh\n");
}

TEST_F(EngineRunnerTest, CancelEndsTheEngineAndTheWait) {
    installEngine("sleep 30");
    EngineRunner runner(files());
    user_.cancelProgressAfter(3);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(runner.run(user_, "run"), EngineOutcome::Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_FALSE(fs::exists(files().marker()));
}

TEST_F(EngineRunnerTest, AScriptThatDiesBeforeItsMarkerIsAFailedRun) {
    installEngine("kill -9 $PPID");
    EngineRunner runner(files());
    EXPECT_EQ(runner.run(user_, "run"), EngineOutcome::EndedWithoutMarker);
}

// The script records the engine's exit status with its marker: a status other than 0 or a
// signal fails the run and the reason names it.
TEST_F(EngineRunnerTest, AnEngineThatFailsOrIsKilledIsAFailedRunNamingTheCause) {
    installEngine("echo partial; exit 3");
    EngineRunner failing(files());
    EXPECT_EQ(failing.run(user_, "run"), EngineOutcome::EngineFailed);
    EXPECT_EQ(failing.failureReason(EngineOutcome::EngineFailed), "the engine ended with exit status 3");

    installEngine("echo partial; kill -9 $$");
    EngineRunner killed(files());
    EXPECT_EQ(killed.run(user_, "run"), EngineOutcome::EngineFailed);
    EXPECT_EQ(killed.failureReason(EngineOutcome::EngineFailed), "the engine was ended by signal 9");

    // What the engine told on its error output goes with the status.
    installEngine("echo partial; echo 'pls: cannot write the listing: No space left on device' >&2; exit 1");
    EngineRunner full(files());
    EXPECT_EQ(full.run(user_, "run"), EngineOutcome::EngineFailed);
    full.CleanEngineFiles();
    EXPECT_EQ(full.failureReason(EngineOutcome::EngineFailed),
              "the engine ended with exit status 1 (pls: cannot write the listing: No space left on device)");
    EXPECT_FALSE(fs::exists(files().errors()));

    installEngine("echo whole");
    EngineRunner finished(files());
    EXPECT_EQ(finished.run(user_, "run"), EngineOutcome::Finished);
    EXPECT_EQ(finished.failureReason(EngineOutcome::Finished), "");
}

// The engine fills the work folder, so the script cannot write its marker: the reason says
// how much room is left there.
TEST_F(EngineRunnerTest, AMarkerTheFullDiskCouldNotTakeFailsTheRunNamingTheRoomLeft) {
    const fs::path work = startDir_ / "work";
    const auto mount = testing::ScratchMount::tmpfs(work, "64k");
    if (!mount.usable()) GTEST_SKIP() << mount.reason();
    installEngine("cat /dev/zero > filler 2>/dev/null; exit 0");
    EngineRunner runner(EngineFiles{startDir_ / "pls", work});
    EXPECT_EQ(runner.run(user_, "run"), EngineOutcome::EngineFailed);
    EXPECT_EQ(runner.failureReason(EngineOutcome::EngineFailed),
              "the end marker " + (work / "qvt.tmp").string() + " holds no exit status (0 bytes are free in " +
                  work.string() + ")");
}

TEST_F(EngineRunnerTest, MissingEngineAndUnwritableScriptAreReported) {
    EXPECT_FALSE(EngineExists(files()));
    EngineRunner runner(EngineFiles{startDir_ / "pls", startDir_ / "no such folder"});
    EXPECT_EQ(runner.run(user_, "run"), EngineOutcome::ScriptFailed);
    std::string reason;
    EXPECT_FALSE(runner.loadListing(reason).has_value());
}

}  // namespace
}  // namespace qv
