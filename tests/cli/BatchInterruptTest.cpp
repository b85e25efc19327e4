#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "cli/BatchOptions.h"

extern char** environ;

namespace qv {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A process that has ended, reaped or not, counts as gone.
bool running(pid_t pid) {
    const std::string stat = readText("/proc/" + std::to_string(pid) + "/stat");
    const size_t state = stat.rfind(") ");
    return state != std::string::npos && stat[state + 2] != 'Z';
}

// A killed process goes as soon as the kernel next schedules it; one that still runs after
// two seconds was never killed.
bool endsSoon(pid_t pid) {
    for (auto until = std::chrono::steady_clock::now() + 2s; std::chrono::steady_clock::now() < until;
         std::this_thread::sleep_for(10ms))
        if (!running(pid)) return true;
    return false;
}

// A start folder of its own with a copy of the batch program and an engine that never ends:
// it notes its process id and sleeps.
class BatchInterrupt : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("qv-interrupt-" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "project");
        const fs::path built = QV_START_DIR;
        for (const char* name : {"quorvanta-batch", "English.ini", "style.css", "icon_182.jpg"})
            fs::copy_file(built / name, folder_ / name);
        for (const char* name : {"ecsi.qvt", "mobi.txt"})
            fs::copy_file(fs::path(QV_EXAMPLES_DIR) / "ecsi" / name, folder_ / "project" / name);
        std::ofstream(folder_ / "pls") << "#!/bin/sh\necho $$ > '" << (folder_ / "engine.pid").string()
                                       << "'\nexec sleep 60\n";
        for (const char* program : {"pls", "quorvanta-batch"})
            fs::permissions(folder_ / program, fs::perms::owner_all, fs::perm_options::add);
    }
    void TearDown() override {
        if (engine_ > 0 && running(engine_)) ::kill(engine_, SIGKILL);
        fs::remove_all(folder_);
    }

    pid_t start(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {(folder_ / "quorvanta-batch").string(), "estimate",
                                             (folder_ / "project" / "ecsi.qvt").string()});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string output = (folder_ / "output.txt").string();
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        // A user of its own, so that the run touches no settings of whoever runs the test.
        std::vector<std::string> variables{"HOME=" + (folder_ / "user").string(),
                                           "XDG_CONFIG_HOME=" + (folder_ / "user" / "config").string(),
                                           "XDG_RUNTIME_DIR=" + (folder_ / "user" / "runtime").string(),
                                           "XDG_CACHE_HOME="};
        fs::create_directories(folder_ / "user" / "runtime");
        for (char** variable = environ; *variable; ++variable)
            if (!std::string(*variable).starts_with("HOME=") && !std::string(*variable).starts_with("XDG_"))
                variables.push_back(*variable);
        std::vector<char*> environment;
        for (std::string& variable : variables) environment.push_back(variable.data());
        environment.push_back(nullptr);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environment.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }
    // The engine's process id once it runs.
    pid_t engine() {
        for (auto until = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < until;
             std::this_thread::sleep_for(20ms)) {
            const std::string text = readText(folder_ / "engine.pid");
            if (!text.empty() && text.back() == '\n') return engine_ = std::stoi(text);
        }
        return -1;
    }
    // The exit status; a program still running after 20 seconds is killed and fails the test.
    int finish(pid_t pid) {
        int status = 0;
        for (auto until = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < until;
             std::this_thread::sleep_for(20ms))
            if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        ADD_FAILURE() << "the batch program did not end";
        return -1;
    }
    std::string output() const { return readText(folder_ / "output.txt"); }

    fs::path folder_;
    pid_t engine_ = -1;
};

TEST_F(BatchInterrupt, TheTimeLimitEndsTheRunAndItsEngine) {
    const auto started = std::chrono::steady_clock::now();
    const pid_t batch = start({"--timeout", "3"});
    ASSERT_GT(engine(), 0);
    EXPECT_EQ(finish(batch), 124);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 15s);
    EXPECT_TRUE(endsSoon(engine_));
    EXPECT_NE(output().find("quorvanta-batch: the run was ended at its time limit of 3 s"),
              std::string::npos)
        << output();
}

TEST_F(BatchInterrupt, SigintAndSigtermEndTheEngineBeforeTheProgramExits) {
    for (int signal : {SIGINT, SIGTERM}) {
        fs::remove(folder_ / "engine.pid");
        const pid_t batch = start({});
        ASSERT_GT(engine(), 0);
        ASSERT_TRUE(running(engine_));
        ::kill(batch, signal);
        EXPECT_EQ(finish(batch), 128 + signal);
        EXPECT_TRUE(endsSoon(engine_)) << signal;
        EXPECT_NE(output().find(signal == SIGINT ? "interrupted by SIGINT" : "interrupted by SIGTERM"),
                  std::string::npos)
            << output();
    }
}

// The engine killed from outside (as a memory killer would) fails the run, and the message
// names the signal; the listing it left is not kept.
TEST_F(BatchInterrupt, AnEngineKilledMidRunFailsTheRunNamingTheSignal) {
    const pid_t batch = start({});
    ASSERT_GT(engine(), 0);
    ::kill(engine_, SIGKILL);
    EXPECT_EQ(finish(batch), 1);
    EXPECT_NE(output().find("the engine was ended by signal 9"), std::string::npos) << output();
    EXPECT_FALSE(fs::exists(folder_ / "project" / "ecsi.out"));
}

TEST(BatchTimeoutOption, TakesWholeSecondsAboveZeroOnly) {
    std::string error;
    const char* good[] = {"quorvanta-batch", "estimate", "m.qvt", "--timeout", "30"};
    const auto options = ParseBatchOptions(5, good, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->timeoutSeconds, 30);
    EXPECT_EQ(ParseBatchOptions(3, good, error)->timeoutSeconds, 0);
    for (const char* bad : {"0", "-5", "1.5", "soon"}) {
        const char* argv[] = {"quorvanta-batch", "estimate", "m.qvt", "--timeout", bad};
        EXPECT_FALSE(ParseBatchOptions(5, argv, error)) << bad;
        EXPECT_EQ(error, std::string("--timeout needs a whole number of seconds above 0: ") + bad);
    }
    const char* missing[] = {"quorvanta-batch", "estimate", "m.qvt", "--timeout"};
    EXPECT_FALSE(ParseBatchOptions(4, missing, error));
    EXPECT_EQ(error, "--timeout needs a whole number of seconds above 0");
}

}  // namespace
}  // namespace qv
