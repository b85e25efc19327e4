#include "core/model/WholeFile.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "tests/core/support/InjectedWriteFault.h"
#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {

TEST(WholeFile, ReadsEveryByteAndNamesWhyAFileCannotBeRead) {
    qv::testing::TempFolder folder;
    std::string reason;
    const std::string bytes("a\r\nb\0\xff", 6);
    EXPECT_EQ(ReadWholeFile(folder.write("data", bytes), reason), bytes);
    EXPECT_EQ(ReadWholeFile(folder.write("empty", ""), reason), "");
    EXPECT_FALSE(ReadWholeFile(folder / "missing", reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_FALSE(ReadWholeFile(folder.path(), reason));
    EXPECT_EQ(reason, "Is a directory");
    EXPECT_EQ(UnreadableListingText(reason, "/x/y.out"), "ERROR!: Is a directory (/x/y.out)");
}

TEST(WholeFile, SaveReplacesALinkedFilesTargetAndKeepsItsPermissions) {
    namespace fs = std::filesystem;
    qv::testing::TempFolder folder;
    fs::create_directory(folder / "real");
    const fs::path target = folder.write("real/model.qvt", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/model.qvt", folder / "link.qvt");
    ASSERT_FALSE(WriteWholeFile(folder / "link.qvt", "new").has_value());
    EXPECT_TRUE(fs::is_symlink(folder / "link.qvt"));  // still a link, to the same file
    EXPECT_EQ(qv::testing::readBytes(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(qv::testing::temporaryFilesIn(folder / "real"), 0);
    EXPECT_EQ(qv::testing::temporaryFilesIn(folder.path()), 0);
}

TEST(WholeFile, FailedSaveNamesTheFileAndTheReasonAndKeepsTheOldFile) {
    qv::testing::TempFolder folder;
    const auto error = WriteWholeFile(folder / "gone" / "model.qvt", "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("cannot write " + (folder / "gone" / "model.qvt").string() +
                               ": No such file or directory", 0), 0u) << *error;
    // A file that cannot be replaced stays as it was.
    const auto kept = folder.write("kept.qvt", "old");
    {
        const qv::testing::InjectedWriteFault full({"kept.qvt", ENOSPC, 1});
        EXPECT_EQ(WriteWholeFile(kept, "new"), "cannot write " + kept.string() + ": No space left on device");
    }
    EXPECT_EQ(qv::testing::readBytes(kept), "old");
    // Two writers of one file never share a temporary file: the last one's bytes stand whole.
    EXPECT_FALSE(WriteWholeFile(kept, "first").has_value());
    EXPECT_FALSE(WriteWholeFile(kept, "second").has_value());
    EXPECT_EQ(qv::testing::readBytes(kept), "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace qv
