#include "core/app/StartupFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

UserEnvironment userIn(const TempFolder& home, int processId = 4242) {
    return UserEnvironment{(home / "home").string(), "", "", "", processId};
}

TEST(StartupFolders, BuildFolderKeepsTheCompanionsBesideTheProgram) {
    TempFolder folder;
    folder.write("English.ini", "[English]\r\n");
    folder.write("pls", "engine");
    const auto folders = StartupFolders::forProgram(folder.path(), userIn(folder));
    EXPECT_EQ(folders.dataDir, folder.path());
    EXPECT_EQ(folders.engine, folder / "pls");
    EXPECT_EQ(folders.soundFile(), folder / "finish.wav");
    EXPECT_EQ(folders.userGuide(), folder / "guide" / "index.html");
}

TEST(StartupFolders, InstalledProgramFindsShareAndLibexecBesideItsBin) {
    TempFolder prefix;
    fs::create_directories(prefix / "bin");
    const auto folders = StartupFolders::forProgram(prefix / "bin", userIn(prefix));
    EXPECT_EQ(folders.dataDir, prefix / "share" / "quorvanta");
    EXPECT_EQ(folders.engine, prefix / "libexec" / "quorvanta" / "pls");
}

TEST(StartupFolders, SettingsAndWorkFolderFollowTheUsersBaseFolders) {
    TempFolder user;
    const auto byDefault = StartupFolders::forProgram(user / "bin", userIn(user, 77));
    EXPECT_EQ(byDefault.configDir, user / "home" / ".config" / "quorvanta");
    // Without a runtime folder the work folders lie in the cache.
    EXPECT_EQ(byDefault.tempDir, user / "home" / ".cache" / "quorvanta" / "work" / "77");

    fs::create_directories(user / "run");
    const UserEnvironment named{(user / "home").string(), (user / "cfg").string(),
                                (user / "run").string(), (user / "cache").string(), 78};
    const auto folders = StartupFolders::forProgram(user / "bin", named);
    EXPECT_EQ(folders.configDir, user / "cfg" / "quorvanta");
    EXPECT_EQ(folders.workRoot, user / "run" / "quorvanta");
    EXPECT_EQ(folders.tempDir, user / "run" / "quorvanta" / "78");

    // Relative base folders are invalid and ignored; a missing runtime folder too.
    const UserEnvironment relative{(user / "home").string(), "cfg", (user / "gone").string(), "cache", 79};
    const auto fallback = StartupFolders::forProgram(user / "bin", relative);
    EXPECT_EQ(fallback.configDir, user / "home" / ".config" / "quorvanta");
    EXPECT_EQ(fallback.tempDir, user / "home" / ".cache" / "quorvanta" / "work" / "79");
}

TEST(StartupFolders, TwoProgramsHaveTwoWorkFoldersAndEachRemovesOnlyItsOwn) {
    TempFolder user;
    const auto first = StartupFolders::forProgram(user / "bin", userIn(user, ::getpid()));
    const auto second = StartupFolders::forProgram(user / "bin", userIn(user, ::getppid()));
    ASSERT_NE(first.tempDir, second.tempDir);
    ASSERT_FALSE(prepareTempDir(first).has_value());
    ASSERT_FALSE(prepareTempDir(second).has_value());
    std::ofstream(second.tempDir / "tmppls.pls") << "second's run";
    ASSERT_FALSE(prepareTempDir(first).has_value());  // both processes run: nothing stale
    EXPECT_TRUE(fs::exists(second.tempDir / "tmppls.pls"));
    EXPECT_EQ(fs::status(first.tempDir).permissions() & fs::perms::all, fs::perms::owner_all);
    removeTempDir(first);
    EXPECT_FALSE(fs::exists(first.tempDir));
    EXPECT_TRUE(fs::exists(second.tempDir / "tmppls.pls"));
}

TEST(StartupFolders, WorkFoldersOfEndedProgramsAreRemovedAtStart) {
    TempFolder root;
    for (const char* name : {"11", "12", "notes", "13x"}) fs::create_directories(root / name);
    root.write("14", "a file");
    RemoveStaleWorkFolders(root.path(), [](int id) { return id == 12; });
    EXPECT_FALSE(fs::exists(root / "11"));
    EXPECT_TRUE(fs::exists(root / "12"));     // still running
    EXPECT_TRUE(fs::exists(root / "notes"));  // not a work folder
    EXPECT_TRUE(fs::exists(root / "13x"));
    EXPECT_TRUE(fs::exists(root / "14"));
    EXPECT_TRUE(ProcessIsRunning(::getpid()));
}

TEST(StartupFolders, LeftOverWorkFolderOfTheSameIdIsEmptiedAndTheCurrentFolderStays) {
    TempFolder start;
    const fs::path before = fs::current_path();
    const StartupFolders folders(start.path());
    fs::create_directories(folders.tempDir / "pieces");
    start.write("temp/tmppls.out", "old listing");
    ASSERT_FALSE(prepareTempDir(folders).has_value());
    EXPECT_TRUE(fs::is_directory(folders.tempDir));
    EXPECT_TRUE(fs::is_empty(folders.tempDir));
    EXPECT_EQ(fs::current_path(), before);
}

TEST(StartupFolders, WorkFolderThatCannotBeCreatedIsReported) {
    TempFolder start;
    start.write("temp", "a file, not a folder");
    const auto error = prepareTempDir(StartupFolders(start.path()));
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find((start / "temp").string()), std::string::npos);
}

}  // namespace
}  // namespace qv
