#include "core/files/ReplacedFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "core/files/DiskRoom.h"
#include "tests/core/support/InjectedWriteFault.h"
#include "tests/core/support/ScratchMount.h"
#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {
namespace fs = std::filesystem;
using testing::readBytes;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplacedFile, WritesLargeFilesInBlocksAndReplacesTheFileOnlyAtCommit) {
    testing::TempFolder folder;
    const fs::path file = folder.write("ecsi.pls", "previous");
    std::string expected;
    {
        ReplacedFile out(file);
        for (int problem = 0; problem < 300; ++problem) {
            const std::string text = "problem " + std::to_string(problem) + std::string(1000, 'x') + "\n";
            ASSERT_TRUE(out.write(text));
            expected += text;
        }
        EXPECT_EQ(readBytes(file), "previous");  // 300 KB written, the old file still whole
        ASSERT_FALSE(out.commit().has_value());
    }
    EXPECT_EQ(readBytes(file), expected);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"ecsi.pls"});
}

TEST(ReplacedFile, AFileNeverCommittedLeavesThePreviousOneAndNoTemporaryFile) {
    testing::TempFolder folder;
    const fs::path file = folder.write("ecsi.out", "previous");
    {
        ReplacedFile out(file);
        out.write(std::string(200000, 'y'));
        EXPECT_FALSE(out.finish().has_value());
    }
    EXPECT_EQ(readBytes(file), "previous");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"ecsi.out"});
}

// A full disk is injected through the file layer: the write fails part way, as it would.
TEST(ReplacedFile, AnInjectedFullDiskNamesTheFileAndTheReasonAndKeepsThePreviousFile) {
    testing::TempFolder folder;
    const fs::path file = folder.write("ecsi_boot.csv", "previous");
    const testing::InjectedWriteFault fault({"ecsi_boot.csv", ENOSPC, 100000});
    ReplacedFile out(file);
    bool written = true;
    for (int block = 0; block < 10 && written; ++block) written = out.write(std::string(50000, 'z'));
    EXPECT_FALSE(written);
    const auto error = out.commit();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "cannot write " + file.string() + ": No space left on device");
    EXPECT_EQ(readBytes(file), "previous");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"ecsi_boot.csv"});
    // Another file of the same folder is written as usual.
    ReplacedFile other(folder / "ecsi_bt.out");
    other.write("whole");
    EXPECT_FALSE(other.commit().has_value());
}

TEST(ReplacedFile, AFolderInTheFilesPlaceFailsEvenForRootAndStaysAsItWas) {
    testing::TempFolder folder;
    fs::create_directories(folder / "WebOutput.html" / "inside");
    ReplacedFile out(folder / "WebOutput.html");
    out.write("<html>");
    const auto error = out.commit();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "cannot write " + (folder / "WebOutput.html").string() + ": Is a directory");
    EXPECT_TRUE(fs::exists(folder / "WebOutput.html" / "inside"));
    EXPECT_EQ(testing::temporaryFilesIn(folder.path()), 0);
}

// A full file system for real, where the test may mount a small one.
TEST(ReplacedFile, AFullTmpfsFailsTheWriteAndTheMoveAndKeepsEveryPreviousFile) {
    testing::TempFolder folder;
    const fs::path small = folder / "small";
    const auto mount = testing::ScratchMount::tmpfs(small, "64k");
    if (!mount.usable()) GTEST_SKIP() << mount.reason();
    const fs::path listing = small / "ecsi.out";
    { std::ofstream(listing) << "previous listing"; }

    ReplacedFile out(listing);
    out.write(std::string(100000, 'l'));
    const auto error = out.commit();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "cannot write " + listing.string() + ": No space left on device");
    EXPECT_EQ(readBytes(listing), "previous listing");

    // A work file on another file system is copied, and the copy fails the same way.
    const fs::path work = folder.write("tmppls.out", std::string(100000, 'w'));
    const auto moved = MoveFileOver(work, listing);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(*moved, "cannot write " + listing.string() + ": No space left on device");
    EXPECT_EQ(readBytes(listing), "previous listing");
    EXPECT_TRUE(fs::exists(work));
    EXPECT_EQ(namesIn(small), std::vector<std::string>{"ecsi.out"});

    const auto shortage = RoomShortage("listing", small, 100000);
    ASSERT_TRUE(shortage.has_value());
    EXPECT_TRUE(shortage->starts_with("The listing needs about 100000 bytes in " + small.string() + "; "))
        << *shortage;
}

TEST(MoveFileOver, ReplacesTheFileKeepsItsPermissionsAndRemovesTheWorkFile) {
    testing::TempFolder folder;
    const fs::path kept = folder.write("ecsi.out", "previous");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path work = folder.write("tmppls.out", "new listing");
    ASSERT_FALSE(MoveFileOver(work, kept).has_value());
    EXPECT_EQ(readBytes(kept), "new listing");
    EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(work));
}

TEST(MoveFileOver, CopiesAcrossFileSystemsAndFailsWithoutLosingEitherFile) {
    testing::TempFolder folder;
    const fs::path shm = fs::path("/dev/shm") / ("qv_move_" + std::to_string(::getpid()));
    std::error_code error;
    fs::create_directories(shm, error);
    if (error || fs::status(shm).type() != fs::file_type::directory) GTEST_SKIP() << "no /dev/shm here";
    const fs::path work = shm / "tmppls.out";
    { std::ofstream(work) << std::string(150000, 'c'); }
    const fs::path kept = folder.write("ecsi.out", "previous");
    {
        const testing::InjectedWriteFault fault({"ecsi.out", EIO, 70000});
        const auto failed = MoveFileOver(work, kept);
        ASSERT_TRUE(failed.has_value());
        EXPECT_EQ(*failed, "cannot write " + kept.string() + ": Input/output error");
        EXPECT_EQ(readBytes(kept), "previous");
        EXPECT_TRUE(fs::exists(work));
    }
    ASSERT_FALSE(MoveFileOver(work, kept).has_value());
    EXPECT_EQ(readBytes(kept), std::string(150000, 'c'));
    EXPECT_FALSE(fs::exists(work));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"ecsi.out"});
    fs::remove_all(shm, error);
}

TEST(MoveFileOver, AnInjectedFailureOnTheSameFileSystemLeavesBothFiles) {
    testing::TempFolder folder;
    const fs::path kept = folder.write("ecsi.pls", "previous");
    const fs::path work = folder.write("tmppls.pls", "new");
    const testing::InjectedWriteFault fault({"ecsi.pls", ENOSPC, 0});
    EXPECT_EQ(MoveFileOver(work, kept), "cannot write " + kept.string() + ": No space left on device");
    EXPECT_EQ(readBytes(kept), "previous");
    EXPECT_EQ(readBytes(work), "new");
}

TEST(DiskRoom, AListingTooLargeForTheFolderIsToldWithNeededAndFreeBytes) {
    EXPECT_FALSE(RoomShortageText("listing", "/work", 1000, 1000).has_value());
    EXPECT_EQ(RoomShortageText("listing", "/work", 1001, 1000),
              "The listing needs about 1001 bytes in /work; 1000 bytes are free there.");
    // A million subsamples of a model of 1,000 indicators and 200 constructs stay countable.
    EXPECT_GT(ListingSizeEstimate(1000, 200, 1000001), ListingSizeEstimate(1000, 200, 1000000));
    EXPECT_EQ(ListingSizeEstimate(-5, -1, 2), ListingSizeEstimate(0, 0, 2));
}

}  // namespace
}  // namespace qv
