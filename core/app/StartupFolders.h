#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace qv {

// The user's folders as the environment names them (XDG base directories); empty when unset.
struct UserEnvironment {
    std::string home;
    std::string configHome;  // XDG_CONFIG_HOME
    std::string runtimeDir;  // XDG_RUNTIME_DIR
    std::string cacheHome;   // XDG_CACHE_HOME
    int processId = 0;

    static UserEnvironment current();
};

// Where the program finds its companion files and where it reads, writes and works.
// Nothing is ever written into the data folder or beside the engine, so a read-only
// installation works, and each running program has a work folder of its own.
struct StartupFolders {
    std::filesystem::path startDir;   // the current folder at start: where file dialogs begin
    std::filesystem::path dataDir;    // language files, style sheet, icon, sound, user guide
    std::filesystem::path engine;     // the engine program
    std::filesystem::path configDir;  // conf.ini with the recent list
    std::filesystem::path workRoot;   // holds the work folders of every running program
    std::filesystem::path tempDir;    // this program's work folder: engine runs, report pieces

    // Everything in one folder, the work folder "temp" below it: what tests and benchmarks
    // build in a folder of their own.
    StartupFolders(const std::filesystem::path& oneFolder);
    StartupFolders() = default;

    // The folders of a program in programDir: the companion files beside it (the build
    // folder) or in ../share/quorvanta and ../libexec/quorvanta (an installation); the
    // settings and the work folder in the user's folders.
    static StartupFolders forProgram(const std::filesystem::path& programDir,
                                     const UserEnvironment& user);

    std::filesystem::path soundFile() const { return dataDir / "finish.wav"; }
    std::filesystem::path userGuide() const { return dataDir / "guide" / "index.html"; }
};

// The folder of the running program (resolved through /proc/self/exe, else from argv[0]).
std::filesystem::path RunningProgramDir(const char* argv0);

// Whether a process of that id is running; stale work folders are those whose is not.
bool ProcessIsRunning(int processId);

// Removes the work folders in workRoot named by the id of a process that is gone.
void RemoveStaleWorkFolders(const std::filesystem::path& workRoot,
                            const std::function<bool(int)>& isRunning = ProcessIsRunning);

// Prepares TempDir: stale work folders are removed, the folder is created (emptied when a
// former program of the same id left it). Returns the folder and the system's reason when it
// cannot be created. The current folder is never changed.
std::optional<std::string> prepareTempDir(const StartupFolders& folders);

// Removes TempDir and everything in it: the program ends.
void removeTempDir(const StartupFolders& folders);

}  // namespace qv
