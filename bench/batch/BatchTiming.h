#pragma once

// Wall time of a quorvanta-batch command on a copy of the ECSI example, start to exit, as a
// user runs it: settings, model file, raw data, control file, engine, listing, output.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::bench {

// Runs `quorvanta-batch COMMAND ecsi.qvt OPTIONS` the given number of times and prints the
// best, median and worst seconds under the title; 1 when a run failed.
inline int TimeEcsiBatch(const std::string& command, const std::string& options, int runs, const char* title) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("qv-batch-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::copy(fs::path(QV_EXAMPLES_DIR) / "ecsi", folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const std::string line = "'" + std::string(QV_START_DIR) + "/quorvanta-batch' " + command + " '" +
                             (folder / "ecsi.qvt").string() + "' " + options + " > /dev/null";
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(line.c_str()) != 0) {
            std::fprintf(stderr, "the batch %s failed\n", command.c_str());
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    fs::remove_all(folder);
    std::sort(seconds.begin(), seconds.end());
    std::printf("%s, %d runs:\n", title, runs);
    std::printf("  best %.3f s, median %.3f s, worst %.3f s (goal: under 1 s)\n", seconds.front(),
                seconds[seconds.size() / 2], seconds.back());
    return 0;
}

// The number of runs the first argument asks for, else 10.
inline int RunsAsked(int argc, char** argv) { return argc > 1 ? std::max(1, std::atoi(argv[1])) : 10; }

}  // namespace qv::bench
