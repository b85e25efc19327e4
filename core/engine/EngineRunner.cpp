#include "core/engine/EngineRunner.h"

#include "core/engine/ListingProgress.h"
#include "core/files/ReplacedFile.h"
#include "core/model/WholeFile.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <system_error>
#include <thread>


namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(500);
// The wait looks at the process this often, so a finished engine is noticed at once.
constexpr auto kSlice = std::chrono::milliseconds(5);
// The shell reports an engine ended by signal N as status 128 + N.
constexpr int kSignalStatus = 128;

// A path as one shell word: single quotes keep blanks, quotes and every other character.
std::string shellQuoted(const fs::path& path) {
    std::string quoted = "'";
    for (char c : path.string()) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

}  // namespace

fs::path EngineFiles::script() const { return workDir / "a.sh"; }
fs::path EngineFiles::marker() const { return workDir / "qvt.tmp"; }
fs::path EngineFiles::controlFile() const { return workDir / "tmppls.pls"; }
fs::path EngineFiles::listing() const { return workDir / "tmppls.out"; }
fs::path EngineFiles::errors() const { return workDir / "tmppls.err"; }

bool EngineExists(const EngineFiles& files) {
    std::error_code error;
    return fs::is_regular_file(files.engine(), error);
}

std::optional<std::string> KeepWorkFile(const fs::path& from, const std::string& to) {
    if (to.empty()) return std::nullopt;
    return MoveFileOver(from, to);
}

std::string EngineRunner::scriptText() const {
    return "PATH=" + shellQuoted(files_.enginePath.parent_path()) + ":/usr/bin:/bin\n"
           "export PATH\n"
           "cd " + shellQuoted(files_.workDir) + " || exit 1\n" +
           shellQuoted(files_.enginePath) + " tmppls.pls>tmppls.out 2>tmppls.err\n"
           "echo \"END $?\">qvt.tmp";
}

bool EngineRunner::writeScript() {
    scriptError_ = WriteWholeFile(files_.script(), scriptText()).value_or("");
    return scriptError_.empty();
}

EngineOutcome EngineRunner::run(ProgressView& progress, const std::string& caption, int problems) {
    const EngineOutcome started = StartEngine();
    return started == EngineOutcome::Started ? WaitForEngine(progress, caption, problems) : started;
}

EngineOutcome EngineRunner::StartEngine() {
    std::error_code ignored;
    fs::remove(files_.marker(), ignored);   // a marker left over would end the wait at once
    fs::remove(files_.listing(), ignored);  // and a listing left over would count as progress
    if (!writeScript()) return EngineOutcome::ScriptFailed;
    return process_.start(files_.script()) ? EngineOutcome::Started : EngineOutcome::StartFailed;
}

// The script ends right after writing the marker, so the wait is for the script's end; the
// marker then tells whether the engine itself finished.
EngineOutcome EngineRunner::WaitForEngine(ProgressView& progress, const std::string& caption, int problems) {
    const int maximum = problems > 0 ? problems : 100;
    progress.start(caption, maximum);
    ListingProgress printed(files_.listing());
    EngineOutcome outcome = EngineOutcome::Finished;
    int position = 0;
    auto nextTick = std::chrono::steady_clock::now() + kPollInterval;
    while (!process_.hasEnded()) {
        if (progress.cancelRequested()) {
            process_.terminate();
            outcome = EngineOutcome::Cancelled;
            break;
        }
        if (std::chrono::steady_clock::now() >= nextTick) {
            position = problems > 0 ? std::min(printed.problemsPrinted(), problems) : (position + 1) % (maximum + 1);
            nextTick += kPollInterval;
        }
        progress.setPosition(position);
        std::this_thread::sleep_for(kSlice);
    }
    if (outcome == EngineOutcome::Finished) outcome = readMarker();
    progress.setPosition(maximum);
    progress.finish();
    return outcome;
}

// The marker reads "END status". The engine's first error line goes with a failure's reason.
EngineOutcome EngineRunner::readMarker() {
    engineStatus_ = -1;
    std::string reason;
    const std::string errors = ReadWholeFile(files_.errors(), reason).value_or("");
    engineErrors_ = errors.substr(0, errors.find_first_of("\r\n"));
    const std::optional<std::string> marker = ReadWholeFile(files_.marker(), reason);
    if (!marker) return EngineOutcome::EndedWithoutMarker;
    constexpr std::string_view kEnd = "END ";
    if (!marker->starts_with(kEnd)) return EngineOutcome::EngineFailed;
    const char* digits = marker->data() + kEnd.size();
    int status = -1;
    const auto [end, error] = std::from_chars(digits, marker->data() + marker->size(), status);
    if (error != std::errc() || end == digits) return EngineOutcome::EngineFailed;
    engineStatus_ = status;
    return status == 0 ? EngineOutcome::Finished : EngineOutcome::EngineFailed;
}

std::string EngineRunner::failureReason(EngineOutcome outcome) const {
    switch (outcome) {
    case EngineOutcome::Started:
    case EngineOutcome::Finished: return {};
    case EngineOutcome::Cancelled: return "the run was cancelled";
    case EngineOutcome::ScriptFailed: return scriptError_;
    case EngineOutcome::StartFailed: return "the command script " + files_.script().string() + " cannot be started";
    case EngineOutcome::EndedWithoutMarker: return "the command script ended before the engine did";
    case EngineOutcome::EngineFailed: break;
    }
    if (engineStatus_ < 0) return "the end marker " + files_.marker().string() + " holds no exit status" + roomLeft();
    if (engineStatus_ > kSignalStatus)
        return "the engine was ended by signal " + std::to_string(engineStatus_ - kSignalStatus);
    const std::string told = engineErrors_.empty() ? "" : " (" + engineErrors_ + ")";
    return "the engine ended with exit status " + std::to_string(engineStatus_) + told;
}

// A marker the script could not write is most often a full disk: the room left says so.
std::string EngineRunner::roomLeft() const {
    std::error_code error;
    const fs::space_info space = fs::space(files_.workDir, error);
    if (error) return {};
    return " (" + std::to_string(space.available) + " bytes are free in " + files_.workDir.string() + ")";
}

void EngineRunner::CleanEngineFiles() const {
    std::error_code ignored;
    fs::remove(files_.script(), ignored);
    fs::remove(files_.marker(), ignored);
    fs::remove(files_.errors(), ignored);
}

std::optional<std::string> EngineRunner::loadListing(std::string& reason) const {
    return ReadWholeFile(files_.listing(), reason);
}

}  // namespace qv
