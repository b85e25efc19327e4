// Faults around an estimate of the ECSI example: the engine killed, the disk full or
// read-only where the control file, the listing and the kept copies go. Each fails the
// estimate with a message naming the file and the reason, and the previous run's files stay.
#include <unistd.h>

#include <cerrno>

#include "core/files/DiskRoom.h"
#include "core/files/ReplacedFile.h"
#include "core/results/ResamplingRun.h"
#include "tests/core/support/EngineProject.h"
#include "tests/core/support/InjectedWriteFault.h"
#include "tests/core/support/ScratchMount.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

class EstimateFaultTest : public EcsiProject {
protected:
    void SetUp() override {
        EcsiProject::SetUp();
        if (IsSkipped()) return;
        estimate();
        previousControlFile_ = written("ecsi.pls");
        previousListing_ = written("ecsi.out");
        ASSERT_FALSE(previousListing_.empty());
        user_.clear();
    }

    // The estimate fails with one message holding `text`, and the kept files are the last run's.
    void expectFailedKeepingTheLastRun(const std::string& text) {
        EXPECT_FALSE(EstimateCommand(workbench_).run());
        ASSERT_EQ(user_.messages().size(), 1u) << text;
        EXPECT_NE(user_.messages()[0].text.find(text), std::string::npos) << user_.messages()[0].text;
        EXPECT_FALSE(workbench_.model().estimated);
        EXPECT_EQ(user_.lastStatus(), workbench_.texts().lookup("MSG_EstimateFail"));
        EXPECT_EQ(written("ecsi.pls"), previousControlFile_);
        EXPECT_EQ(written("ecsi.out"), previousListing_);
    }

    // A stand-in engine: a shell script in the built engine's place.
    void installEngine(const std::string& script) {
        const fs::path engine = folder_ / "start" / "pls";
        fs::remove(engine);
        std::ofstream(engine) << "#!/bin/sh\n" << script << "\n";
        fs::permissions(engine, fs::perms::owner_all);
    }

    fs::path project(const std::string& name) const { return folder_ / "project" / name; }
    fs::path workFolder() const { return workbench_.folders().tempDir; }

    std::string previousControlFile_;
    std::string previousListing_;
};

// A stand-in engine prints the start of a listing and is killed; the script still writes its
// end marker, which carries the signal.
TEST_F(EstimateFaultTest, AnEngineKilledMidRunFailsTheEstimateNamingTheSignal) {
    installEngine("printf -- '---- Problem 1 ----\\nALLSample \\nBlocks 7\\n'\nkill -9 $$");
    expectFailedKeepingTheLastRun("the engine was ended by signal 9");
}

TEST_F(EstimateFaultTest, AFullDiskAtTheControlFileOrAKeptCopyIsToldAndTheLastRunsFilesStay) {
    const std::pair<fs::path, const char*> faults[] = {{workFolder() / "tmppls.pls", "control file"},
                                                       {project("ecsi.pls"), "kept control file"},
                                                       {project("ecsi.out"), "kept listing"}};
    for (const auto& [file, what] : faults) {
        SCOPED_TRACE(what);
        user_.clear();
        const testing::InjectedWriteFault fault({file.filename().string(), ENOSPC, 1000});
        expectFailedKeepingTheLastRun("cannot write " + file.string() + ": No space left on device");
    }
}

// The disk filling while the engine writes its listing (here the real engine writes into
// /dev/full) fails the estimate with the engine's own reason.
TEST_F(EstimateFaultTest, AListingTheDiskCannotTakeFailsTheEstimateWithTheEnginesReason) {
    installEngine("exec '" + (fs::path(QV_START_DIR) / "pls").string() + "' \"$1\" >/dev/full");
    expectFailedKeepingTheLastRun(
        "the engine ended with exit status 1 (pls: cannot write the listing: No space left on device)");
}

// The control file of a bootstrap goes out problem by problem; the disk filling part way
// gives the file up whole and the last run's files stay.
TEST_F(EstimateFaultTest, ABootstrapWhoseControlFileFillsTheDiskKeepsTheLastRunsFiles) {
    workbench_.resampling().nSample = "20";
    workbench_.resampling().seed = "7";
    ASSERT_TRUE(ResamplingRun(workbench_).run(SampleKind::Bootstrap));
    const std::string card = written("ecsi.bt"), listing = written("ecsi.boot");
    const std::string summary = written("ecsi_boot.csv");
    user_.clear();
    const testing::InjectedWriteFault fault({"tmppls.pls", ENOSPC, 30000});
    EXPECT_FALSE(ResamplingRun(workbench_).run(SampleKind::Bootstrap));
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text,
              "cannot write " + (workFolder() / "tmppls.pls").string() + ": No space left on device");
    EXPECT_EQ(written("ecsi.bt"), card);
    EXPECT_EQ(written("ecsi.boot"), listing);
    EXPECT_EQ(written("ecsi_boot.csv"), summary);
    EXPECT_FALSE(fs::exists(workFolder() / "tmppls.pls"));
    EXPECT_EQ(testing::temporaryFilesIn(workFolder()), 0);
}

// The work folder on a small file system: the control file fits, the listing would not.
TEST_F(EstimateFaultTest, AListingThatWouldFillTheWorkFolderIsRefusedBeforeTheEngineRuns) {
    const std::uintmax_t page = 4096;
    const std::uintmax_t size = (previousControlFile_.size() + page - 1) / page * page + page;
    const auto mount = testing::ScratchMount::tmpfs(workFolder(), std::to_string(size));
    if (!mount.usable()) GTEST_SKIP() << mount.reason();
    ASSERT_GT(ListingSizeEstimate(24, 7, 1), page);
    expectFailedKeepingTheLastRun("The listing needs about " + std::to_string(ListingSizeEstimate(24, 7, 1)) +
                                  " bytes in " + workFolder().string() + "; ");
    EXPECT_FALSE(fs::exists(workFolder() / "tmppls.out"));
}

// The estimate's own listing fits within the estimate the room check uses.
TEST_F(EstimateFaultTest, TheListingSizeEstimateHoldsTheListing) {
    EXPECT_LE(previousListing_.size(), ListingSizeEstimate(24, 7, 1));
    EXPECT_GT(previousListing_.size() * 4, ListingSizeEstimate(24, 7, 1));  // and is no wild guess
}

// The model's folder on a file system that fills while the kept copies are copied into it.
TEST_F(EstimateFaultTest, AModelFolderThatFillsWhileTheCopiesAreKeptFailsAndKeepsItsFiles) {
    const fs::path full = folder_ / "full";
    const auto mount = testing::ScratchMount::tmpfs(full, "128k");
    if (!mount.usable()) GTEST_SKIP() << mount.reason();
    for (const char* name : {"ecsi.qvt", "mobi.txt", "ecsi.pls"}) fs::copy_file(project(name), full / name);
    std::ofstream(full / "filler") << std::string(128 * 1024 - 16 * 4096 - previousControlFile_.size(), 'f');
    ASSERT_TRUE(workbench_.openModelByName((full / "ecsi.qvt").string()));
    user_.clear();
    EXPECT_FALSE(EstimateCommand(workbench_).run());
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_EQ(user_.messages().back().text,
              "cannot write " + (full / "ecsi.pls").string() + ": No space left on device");
    EXPECT_EQ(testing::readBytes(full / "ecsi.pls"), previousControlFile_);
    EXPECT_EQ(testing::temporaryFilesIn(full), 0);
}

// Read-only for root too: the folder bound onto itself read-only; without the right to mount,
// its permissions, which bind everyone but root.
TEST_F(EstimateFaultTest, AReadOnlyModelFolderNamesTheFileThatCouldNotBeWritten) {
    const fs::path folder = folder_ / "project";
    std::optional<testing::ScratchMount> mount;
    if (::geteuid() == 0) {
        mount.emplace(testing::ScratchMount::readOnly(folder));
        if (!mount->usable()) GTEST_SKIP() << "running as root, and " << mount->reason();
    } else {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const char* reason = ::geteuid() == 0 ? "Read-only file system" : "Permission denied";
    expectFailedKeepingTheLastRun("cannot write " + project("ecsi.pls").string() + ": " + reason);
    mount.reset();
    fs::permissions(folder, fs::perms::owner_all);
}

}  // namespace
}  // namespace qv
