#include "core/engine/EngineCapabilities.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

extern char** environ;

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr auto kAnswerTime = std::chrono::seconds(5);
constexpr std::size_t kLongestAnswer = 1 << 16;

using EngineIdentity = std::tuple<std::string, std::uintmax_t, fs::file_time_type::rep>;

std::optional<EngineIdentity> identityOf(const fs::path& engine) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(engine, error);
    if (error) return std::nullopt;
    const fs::file_time_type changed = fs::last_write_time(engine, error);
    if (error) return std::nullopt;
    return EngineIdentity{engine.string(), size, changed.time_since_epoch().count()};
}

// Reads what the process writes until it closes its output or the time is up.
std::string readUntilClosed(int descriptor, std::chrono::steady_clock::time_point deadline, bool& timedOut) {
    std::string printed;
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd waiting{descriptor, POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) == 0) {
            timedOut = true;
            return printed;
        }
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return printed;
        if (printed.size() < kLongestAnswer) printed.append(buffer, static_cast<size_t>(got));
    }
}

// The engine's standard output, or nothing when it cannot be run or does not end well in time.
std::optional<std::string> askEngine(const fs::path& engine) {
    int channel[2];
    if (pipe(channel) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, channel[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addclose(&actions, channel[1]);
    std::string path = engine.string();
    std::string option = "--capabilities";
    char* argv[] = {path.data(), option.data(), nullptr};
    pid_t pid = -1;
    const int spawnError = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawnError != 0) {
        close(channel[0]);
        return std::nullopt;
    }
    bool timedOut = false;
    std::string printed = readUntilClosed(channel[0], std::chrono::steady_clock::now() + kAnswerTime, timedOut);
    close(channel[0]);
    if (timedOut) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return printed;
}

}  // namespace

EngineCapabilities ParseEngineCapabilities(const std::string& printed) {
    EngineCapabilities capabilities;
    std::string_view rest = printed;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line == "sample-lines") capabilities.sampleLines = true;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return capabilities;
}

EngineCapabilities QueryEngineCapabilities(const fs::path& engine) {
    static std::mutex guard;
    static std::map<EngineIdentity, EngineCapabilities> known;
    const std::optional<EngineIdentity> identity = identityOf(engine);
    if (!identity) return {};
    const std::lock_guard lock(guard);
    if (const auto found = known.find(*identity); found != known.end()) return found->second;
    const std::optional<std::string> printed = askEngine(engine);
    const EngineCapabilities capabilities = printed ? ParseEngineCapabilities(*printed) : EngineCapabilities{};
    known.emplace(*identity, capabilities);
    return capabilities;
}

}  // namespace qv
