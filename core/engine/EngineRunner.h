#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/engine/DetachedProcess.h"
#include "core/ports/ProgressView.h"

namespace qv {

// The engine and the work files of one run, which lie in the program's own work folder.
struct EngineFiles {
    std::filesystem::path enginePath;
    std::filesystem::path workDir;

    std::filesystem::path engine() const { return enginePath; }
    std::filesystem::path script() const;        // the command script
    std::filesystem::path marker() const;        // written by the script once the engine ended
    std::filesystem::path controlFile() const;   // tmppls.pls
    std::filesystem::path listing() const;       // tmppls.out
    std::filesystem::path errors() const;        // tmppls.err: what the engine told on its error output
};

bool EngineExists(const EngineFiles& files);

// Keeps a work file under a project name: the work file moves over the file there (copied
// when the two folders lie on different file systems); until it is whole the previous file
// stays. An empty name keeps nothing. Returns "cannot write FILE: reason" or nothing.
std::optional<std::string> KeepWorkFile(const std::filesystem::path& from, const std::string& to);

// How a start or a wait ended. Only Finished means the engine ran to its end with exit
// status 0; EngineFailed: it ended with another status or by a signal. Started comes from
// StartEngine alone.
enum class EngineOutcome { Started, Finished, Cancelled, ScriptFailed, StartFailed,
                           EndedWithoutMarker, EngineFailed };

// Starts the engine through the command script, detached and hidden, and waits for the
// marker while the progress view stays painted; the user can cancel the wait.
class EngineRunner {
public:
    explicit EngineRunner(EngineFiles files) : files_(std::move(files)) {}

    // StartEngine then WaitForEngine. With the number of problems of the control file, the
    // progress counts the problems the listing holds; without it, it moves with the time.
    EngineOutcome run(ProgressView& progress, const std::string& caption, int problems = 0);
    EngineOutcome StartEngine();
    EngineOutcome WaitForEngine(ProgressView& progress, const std::string& caption, int problems = 0);
    void CleanEngineFiles() const;

    // Why a run with this outcome failed, naming the exit status or the signal.
    std::string failureReason(EngineOutcome outcome) const;

    // The whole listing, or nothing with the system's reason.
    std::optional<std::string> loadListing(std::string& reason) const;

    std::string scriptText() const;

private:
    bool writeScript();
    EngineOutcome readMarker();
    std::string roomLeft() const;

    EngineFiles files_;
    int engineStatus_ = -1;  // as the shell gives it: 128 + N after signal N; -1 unknown
    std::string engineErrors_;  // the first line of the engine's error output
    std::string scriptError_;
    DetachedProcess process_;
};

}  // namespace qv
