#include "core/app/StartupFolders.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <system_error>

namespace qv {

namespace fs = std::filesystem;

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The XDG rules: a relative path in a variable is invalid and is ignored.
fs::path baseFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
    return fs::path(home.empty() ? "/tmp" : home) / fallback;
}

bool isDirectory(const fs::path& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

bool isFile(const fs::path& path) {
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

std::optional<int> processIdOf(const std::string& name) {
    int id = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
    if (error != std::errc() || end != name.data() + name.size() || id <= 0) return std::nullopt;
    return id;
}

}  // namespace

UserEnvironment UserEnvironment::current() {
    return UserEnvironment{environmentValue("HOME"), environmentValue("XDG_CONFIG_HOME"),
                           environmentValue("XDG_RUNTIME_DIR"), environmentValue("XDG_CACHE_HOME"),
                           static_cast<int>(::getpid())};
}

StartupFolders::StartupFolders(const fs::path& oneFolder)
    : startDir(oneFolder), dataDir(oneFolder), engine(oneFolder / "pls"), configDir(oneFolder),
      tempDir(oneFolder / "temp") {}

StartupFolders StartupFolders::forProgram(const fs::path& programDir, const UserEnvironment& user) {
    StartupFolders folders;
    std::error_code error;
    folders.startDir = fs::current_path(error);
    const fs::path prefix = programDir.parent_path();
    folders.dataDir = isFile(programDir / "English.ini") ? programDir : prefix / "share" / "quorvanta";
    folders.engine = isFile(programDir / "pls") ? programDir / "pls"
                                                : prefix / "libexec" / "quorvanta" / "pls";
    folders.configDir = baseFolder(user.configHome, user.home, ".config") / "quorvanta";
    // The runtime folder is the user's own and emptied at logout; without one, the cache.
    folders.workRoot = !user.runtimeDir.empty() && fs::path(user.runtimeDir).is_absolute() &&
                               isDirectory(user.runtimeDir)
                           ? fs::path(user.runtimeDir) / "quorvanta"
                           : baseFolder(user.cacheHome, user.home, ".cache") / "quorvanta" / "work";
    folders.tempDir = folders.workRoot / std::to_string(user.processId);
    return folders;
}

fs::path RunningProgramDir(const char* argv0) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return fs::absolute(argv0, error).parent_path();
}

bool ProcessIsRunning(int processId) {
    // A process of another user answers EPERM: it is running all the same.
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

void RemoveStaleWorkFolders(const fs::path& workRoot, const std::function<bool(int)>& isRunning) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(workRoot, error)) {
        const auto id = processIdOf(entry.path().filename().string());
        std::error_code ignored;
        if (id && entry.is_directory(ignored) && !isRunning(*id)) fs::remove_all(entry.path(), ignored);
    }
}

std::optional<std::string> prepareTempDir(const StartupFolders& folders) {
    if (!folders.workRoot.empty()) RemoveStaleWorkFolders(folders.workRoot);
    std::error_code error;
    if (isDirectory(folders.tempDir)) {
        // A program that ended without cleaning up had the same id.
        for (const auto& entry : fs::directory_iterator(folders.tempDir, error)) {
            std::error_code ignored;
            fs::remove_all(entry.path(), ignored);
        }
        return std::nullopt;
    }
    if (fs::create_directories(folders.tempDir, error) && !error) {
        // The data of a study pass through it: the user's alone.
        fs::permissions(folders.tempDir, fs::perms::owner_all, error);
        return std::nullopt;
    }
    const std::string reason = error ? error.message() : "a file of that name exists";
    return folders.tempDir.string() + " (" + reason + ")";
}

void removeTempDir(const StartupFolders& folders) {
    std::error_code ignored;
    if (!folders.tempDir.empty()) fs::remove_all(folders.tempDir, ignored);
}

}  // namespace qv
