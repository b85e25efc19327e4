#include "core/app/StartupFolders.h"

#include <gtest/gtest.h>

#include "core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;

TEST(StartupFolders, MissingTempDirIsCreatedAndCompanionsCopied) {
    TempFolder start;
    start.write("style.css", "body{}");
    fs::current_path(start.path());
    const auto folders = StartupFolders::fromStartupDir(start.path());
    EXPECT_EQ(folders.tempDir, start / "temp");
    EXPECT_EQ(folders.soundFile, start / "finish.wav");
    ASSERT_FALSE(prepareTempDir(folders).has_value());
    EXPECT_TRUE(fs::is_directory(start / "temp"));
    EXPECT_EQ(readBytes(start / "temp" / "style.css"), "body{}");
    EXPECT_FALSE(fs::exists(start / "temp" / "icon_182.jpg"));
    EXPECT_EQ(fs::current_path(), start.path());
}

TEST(StartupFolders, ExistingTempDirIsEmptiedAndBecomesCurrent) {
    TempFolder start;
    fs::create_directories(start / "temp" / "keep");
    start.write("temp/old.html", "x");
    start.write("temp/style.css", "old");
    start.write("style.css", "new");
    ASSERT_FALSE(prepareTempDir(StartupFolders::fromStartupDir(start.path())).has_value());
    EXPECT_FALSE(fs::exists(start / "temp" / "old.html"));
    EXPECT_TRUE(fs::is_directory(start / "temp" / "keep"));
    EXPECT_EQ(readBytes(start / "temp" / "style.css"), "new");
    EXPECT_EQ(fs::current_path(), start / "temp");
}

TEST(StartupFolders, TempDirThatCannotBeCreatedIsReported) {
    TempFolder start;
    start.write("temp", "a file, not a folder");
    const auto error = prepareTempDir(StartupFolders::fromStartupDir(start.path()));
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find((start / "temp").string()), std::string::npos);
}

}  // namespace
}  // namespace qv
