// A copy of the programs in a folder nobody may write to, run by a user with folders of its own:
// it works, writes nothing beside itself, and two of its runs at once keep apart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/cli/BatchRun.h"

namespace qv {
namespace {
namespace fs = std::filesystem;
using testing::CommandResult;
using testing::quoted;

// Every file below a folder with its size and time of change.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto size = entry.is_regular_file() ? entry.file_size() : 0;
        files[fs::relative(entry.path(), folder).string()] =
            std::to_string(size) + "@" +
            std::to_string(entry.last_write_time().time_since_epoch().count());
    }
    return files;
}

void setWritable(const fs::path& folder, bool writable) {
    const auto change = writable ? fs::perm_options::add : fs::perm_options::remove;
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        fs::permissions(entry.path(), write, change);
    fs::permissions(folder, write, change);
}

class ProgramCopy : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path built = QV_START_DIR;
        if (!fs::exists(built / "pls")) GTEST_SKIP() << "the engine is not built";
        root_ = fs::temp_directory_path() / ("qv-copy-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(programs());
        for (const char* name : {"quorvanta-batch", "pls", "English.ini", "style.css", "icon_182.jpg"})
            fs::copy_file(built / name, programs() / name);
        fs::copy(built / "guide", programs() / "guide", fs::copy_options::recursive);
        setWritable(programs(), false);
        before_ = snapshot(programs());
        fs::copy(fs::path(QV_EXAMPLES_DIR) / "ecsi", root_ / "ecsi", fs::copy_options::recursive);
        fs::copy(fs::path(QV_EXAMPLES_DIR) / "interaction", root_ / "interaction",
                 fs::copy_options::recursive);
    }
    void TearDown() override {
        if (root_.empty()) return;
        setWritable(programs(), true);
        fs::remove_all(root_);
    }

    fs::path programs() const { return root_ / "programs"; }
    std::string batch(const std::string& arguments) const {
        return testing::batchCommand(programs() / "quorvanta-batch", root_ / "user", arguments);
    }
    // What a program leaves behind in the runtime folder once it has ended.
    bool workFoldersRemain() const {
        const fs::path work = root_ / "user" / "runtime" / "quorvanta";
        return fs::exists(work) && !fs::is_empty(work);
    }

    fs::path root_;
    std::map<std::string, std::string> before_;
};

TEST_F(ProgramCopy, ReadOnlyCopyEstimatesAndWritesItsReportBesideTheModel) {
    const CommandResult result =
        testing::runCommand(batch("report " + quoted(root_ / "ecsi" / "ecsi.qvt")));
    ASSERT_EQ(result.status, 0) << result.output;
    const fs::path report = root_ / "ecsi" / "ecsi_report" / "WebOutput.html";
    EXPECT_EQ(result.output, report.string() + "\n");
    EXPECT_TRUE(fs::exists(report));
    EXPECT_TRUE(fs::exists(root_ / "ecsi" / "ecsi_report" / "style.css"));
    EXPECT_TRUE(fs::exists(root_ / "ecsi" / "ecsi.out"));
    EXPECT_EQ(snapshot(programs()), before_);  // nothing written beside the programs
    EXPECT_FALSE(workFoldersRemain());
    EXPECT_TRUE(fs::exists(root_ / "user" / "config" / "quorvanta" / "conf.ini"));
}

TEST_F(ProgramCopy, TwoRunsAtOnceGiveWhatEachGivesAlone) {
    const std::string ecsi = "bootstrap " + quoted(root_ / "ecsi" / "ecsi.qvt") + " --samples 300 --seed 11";
    const std::string moderation =
        "bootstrap " + quoted(root_ / "interaction" / "moderation.qvt") + " --samples 300 --seed 12";
    const CommandResult ecsiAlone = testing::runCommand(batch(ecsi));
    const CommandResult moderationAlone = testing::runCommand(batch(moderation));
    ASSERT_EQ(ecsiAlone.status, 0) << ecsiAlone.output;
    ASSERT_EQ(moderationAlone.status, 0) << moderationAlone.output;
    ASSERT_NE(ecsiAlone.output, moderationAlone.output);

    testing::StartedCommand ecsiRun(batch(ecsi));
    testing::StartedCommand moderationRun(batch(moderation));
    const CommandResult ecsiTogether = ecsiRun.await();
    const CommandResult moderationTogether = moderationRun.await();
    EXPECT_EQ(ecsiTogether.status, 0) << ecsiTogether.output;
    EXPECT_EQ(moderationTogether.status, 0) << moderationTogether.output;
    EXPECT_EQ(ecsiTogether.output, ecsiAlone.output);
    EXPECT_EQ(moderationTogether.output, moderationAlone.output);
    EXPECT_EQ(snapshot(programs()), before_);
    EXPECT_FALSE(workFoldersRemain());
}

}  // namespace
}  // namespace qv
