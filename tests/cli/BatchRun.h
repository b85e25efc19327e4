#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace qv::testing {

struct CommandResult {
    int status = -1;
    std::string output;
};

// A started shell command; its output is read when it is awaited, so several can run at once.
class StartedCommand {
public:
    explicit StartedCommand(const std::string& command) : pipe_(::popen(command.c_str(), "r")) {}
    StartedCommand(const StartedCommand&) = delete;
    StartedCommand& operator=(const StartedCommand&) = delete;
    ~StartedCommand() {
        if (pipe_) ::pclose(pipe_);
    }

    CommandResult await() {
        CommandResult result;
        char buffer[4096];
        for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe_)) > 0;)
            result.output.append(buffer, read);
        const int status = ::pclose(pipe_);
        pipe_ = nullptr;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

private:
    FILE* pipe_;
};

inline CommandResult runCommand(const std::string& command) { return StartedCommand(command).await(); }

inline std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// The command line of a batch program run as a user whose settings and runtime folders lie in
// userDir, so that tests never touch the settings of whoever runs them. Errors join the output.
inline std::string batchCommand(const std::filesystem::path& program, const std::filesystem::path& userDir,
                                const std::string& arguments) {
    std::filesystem::create_directories(userDir / "runtime");
    return "HOME=" + quoted(userDir) + " XDG_CONFIG_HOME=" + quoted(userDir / "config") +
           " XDG_RUNTIME_DIR=" + quoted(userDir / "runtime") + " XDG_CACHE_HOME= " + quoted(program) +
           " " + arguments + " 2>&1";
}

// A copy of the ECSI example in a folder of its own, so the kept files land there, and the
// batch program run on it.
class EcsiBatchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("qv-batch-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        // The model and its data only: a run of the example may have left its files beside them.
        for (const char* name : {"ecsi.qvt", "mobi.txt"})
            std::filesystem::copy_file(std::filesystem::path(QV_EXAMPLES_DIR) / "ecsi" / name, folder_ / name);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    CommandResult batch(const std::string& arguments) const {
        return runCommand(batchCommand(std::filesystem::path(QV_START_DIR) / "quorvanta-batch",
                                       folder_ / "user", arguments));
    }
    std::filesystem::path folder_;
};

}  // namespace qv::testing
