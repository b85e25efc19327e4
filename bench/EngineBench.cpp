// Times the engine program on bootstrap-style control files of the ECSI model (250 cases,
// 24 indicators, 7 blocks): N subsamples and the full sample in one file, as a resampling
// run writes them. Prints wall time and peak memory of the `pls` process.
//
//   engine_bench [PROBLEMS...]      (default: 500 5000)

#include "tests/lvpls/support/ControlFileBuilder.h"
#include "tests/lvpls/support/EngineProcess.h"
#include "tests/lvpls/support/ProblemFixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace lvpls::testing;

struct Measurement {
    double seconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
    int exitStatus = -1;
};

void writeControlFile(const std::filesystem::path& path, int subsamples) {
    const DataSet data = mobiData();
    ControlRun run = ecsiRun();
    std::ofstream out(path, std::ios::binary);
    std::string text;
    for (int s = 1; s <= subsamples + 1; ++s) {
        run.title = s <= subsamples ? "SubSample " + std::to_string(s) : "ALLSample";
        run.cases = s <= subsamples ? bootstrapCases(250, unsigned(s)) : std::vector<int>();
        text.clear();
        appendControlRun(text, run, data);
        out << text;
    }
    out << "STOP";
}

// Runs pls with its output redirected, as the command script does, and reads its resource use.
Measurement runEngine(const std::filesystem::path& control, const std::filesystem::path& listing) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int output = open(listing.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(output, STDOUT_FILENO);
        execl(QV_START_DIR "/pls", "pls", control.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Measurement result;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    result.peakKilobytes = usage.ru_maxrss;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

int countOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++count;
    return count;
}

void benchmark(int subsamples) {
    const auto folder = freshFolder("engine-bench");
    const auto control = folder / "tmppls.pls";
    const auto listing = folder / "tmppls.out";
    writeControlFile(control, subsamples);
    const double goal = subsamples <= 500 ? 0.5 : 5.0;
    std::printf("%d subsamples + full sample (%.1f MB control file), goal under %.1f s\n", subsamples,
                double(std::filesystem::file_size(control)) / 1e6, goal);
    for (int repeat = 1; repeat <= 3; ++repeat) {
        const Measurement m = runEngine(control, listing);
        std::printf("  run %d: %.3f s wall, %.3f s processor, peak memory %.1f MB, exit status %d\n", repeat,
                    m.seconds, m.cpuSeconds, double(m.peakKilobytes) / 1024.0, m.exitStatus);
    }
    const std::string text = readFile(listing);
    std::printf("  listing %.1f MB: %d problems estimated, %d errors\n", double(text.size()) / 1e6,
                countOf(text, "Path coefficients\r\n=="), countOf(text, "\r\nError: "));
    std::filesystem::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {500, 5000};
    for (int size : sizes) benchmark(size);
    return 0;
}
