// Resampling and estimating at research scale, end to end through the workbench: a synthetic
// project of known structure (bench/scale/SyntheticData) is written to a scratch folder,
// opened, and bootstrapped, jackknifed or estimated by the built engine. Prints the time of
// each phase, the size of the control file, the peak memory of this process (the workbench)
// and of the engine. `engine` times the engine alone on a kept control file.
//
//   scale_bench bootstrap CASES INDICATORS CONSTRUCTS SAMPLES [--keep FOLDER]
//   scale_bench jackknife CASES INDICATORS CONSTRUCTS [--keep FOLDER]
//   scale_bench estimate CASES INDICATORS CONSTRUCTS [--keep FOLDER]
//   scale_bench engine CONTROLFILE THREADS
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/scale/SyntheticData.h"
#include "bench/PhaseClock.h"
#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "core/results/ResamplingRun.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

double megabytes(long kilobytes) { return static_cast<double>(kilobytes) / 1024.0; }

long peakKilobytes(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss;
}

using qv::bench::PhaseClock;

struct Request {
    std::string kind;
    qv::bench::SyntheticModel model;
    int samples = 0;
    fs::path keep;
};

fs::path scratchFolder() {
    const fs::path folder = fs::temp_directory_path() / ("qv-scale-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::create_symlink(fs::path(QV_START_DIR) / "pls", folder / "pls");
    return folder;
}

bool runCommand(qv::Workbench& workbench, const Request& request) {
    if (request.kind == "estimate") return qv::EstimateCommand(workbench).run();
    workbench.resampling().nSample = std::to_string(request.samples);
    workbench.resampling().seed = "20261208";
    return qv::ResamplingRun(workbench).run(request.kind == "bootstrap" ? qv::SampleKind::Bootstrap
                                                                         : qv::SampleKind::Jackknife);
}

void printPhases(const PhaseClock& phases, Clock::time_point end) {
    for (size_t m = 0; m < phases.marks.size(); ++m) {
        const Clock::time_point to = m + 1 < phases.marks.size() ? phases.marks[m + 1].at : end;
        std::printf("  %-28s %7.3f s\n", phases.marks[m].caption.c_str(),
                    std::chrono::duration<double>(to - phases.marks[m].at).count());
    }
}

fs::path controlFileOf(const fs::path& folder, const std::string& kind) {
    if (kind == "estimate") return folder / "synthetic.pls";
    return folder / (kind == "bootstrap" ? "synthetic.bt" : "synthetic.jk");
}

int runProject(const Request& request) {
    const fs::path folder = scratchFolder();
    Clock::time_point start = Clock::now();
    const fs::path modelFile = qv::bench::WriteSyntheticProject(folder, "synthetic", request.model);
    std::printf("%s: %d cases, %d indicators, %d constructs%s\n  %-28s %7.3f s\n", request.kind.c_str(),
                request.model.cases, request.model.indicators, request.model.constructs,
                request.samples ? (", " + std::to_string(request.samples) + " subsamples").c_str() : "",
                "writing the synthetic data", secondsSince(start));
    qv::ScriptedPorts user;
    PhaseClock phases;
    qv::Ports ports{user, user, phases, user, user, user};
    qv::Workbench workbench(ports, folder);
    start = Clock::now();
    if (workbench.startUp() || !workbench.openModelByName(modelFile.string())) {
        std::fprintf(stderr, "the synthetic project cannot be opened\n");
        return 1;
    }
    std::printf("  %-28s %7.3f s (peak memory so far %.0f MB)\n", "opening the project", secondsSince(start),
                megabytes(peakKilobytes(RUSAGE_SELF)));
    start = Clock::now();
    const bool ok = runCommand(workbench, request);
    const Clock::time_point end = Clock::now();
    for (const qv::Message& message : user.messages()) std::fprintf(stderr, "%s\n", message.text.c_str());
    printPhases(phases, end);
    const fs::path card = controlFileOf(folder, request.kind);
    std::error_code error;
    const auto cardSize = fs::file_size(card, error);
    std::printf("  %-28s %7.3f s%s; control file %.1f MB\n", "total of the run", std::chrono::duration<double>(end - start).count(),
                ok ? "" : " (FAILED)", error ? 0.0 : static_cast<double>(cardSize) / 1e6);
    // The engine's own peak is not the children's figure: a child started while the
    // workbench is large counts the workbench's pages until it runs the engine.
    std::printf("  peak memory of the workbench %.0f MB (the engine alone: scale_bench engine CONTROLFILE N)\n",
                megabytes(peakKilobytes(RUSAGE_SELF)));
    if (!request.keep.empty() && !error) {
        fs::create_directories(request.keep);
        fs::copy_file(card, request.keep / card.filename(), fs::copy_options::overwrite_existing);
    }
    fs::remove_all(folder);
    return ok ? 0 : 1;
}

// The engine on a control file, its listing to /dev/null: wall time, processor time, memory.
int timeEngine(const std::string& controlFile, const std::string& threads) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(126);
        execl(QV_START_DIR "/pls", "pls", "--threads", threads.c_str(), controlFile.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double wall = secondsSince(start);
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("engine, %s thread(s): wall %.3f s, processor %.3f s, peak memory %.0f MB, exit status %d\n",
                threads.c_str(), wall, cpu, megabytes(usage.ru_maxrss), WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

int usage() {
    std::fprintf(stderr,
                 "usage: scale_bench bootstrap CASES INDICATORS CONSTRUCTS SAMPLES [--keep FOLDER]\n"
                 "       scale_bench jackknife|estimate CASES INDICATORS CONSTRUCTS [--keep FOLDER]\n"
                 "       scale_bench engine CONTROLFILE THREADS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "engine") return timeEngine(args[1], args[2]);
    Request request;
    if (args.size() < 4) return usage();
    request.kind = args[0];
    request.model = {std::atoi(args[1].c_str()), std::atoi(args[2].c_str()), std::atoi(args[3].c_str()), 1};
    size_t next = 4;
    if (request.kind == "bootstrap") {
        if (args.size() < 5) return usage();
        request.samples = std::atoi(args[next++].c_str());
    } else if (request.kind != "jackknife" && request.kind != "estimate") {
        return usage();
    }
    if (args.size() == next + 2 && args[next] == "--keep") request.keep = args[next + 1];
    else if (args.size() != next) return usage();
    return runProject(request);
}
