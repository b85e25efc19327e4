// Wall time of `quorvanta-batch estimate` on the ECSI example, start to exit, as a user runs
// it: settings, model file, raw data, control file, engine, listing, tables.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const fs::path folder =
        fs::temp_directory_path() / ("qv-batch-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::copy(fs::path(QV_EXAMPLES_DIR) / "ecsi", folder,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const std::string command = "'" + std::string(QV_START_DIR) + "/quorvanta-batch' estimate '" +
                                (folder / "ecsi.qvt").string() + "' > /dev/null";
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "the batch estimate failed\n");
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    fs::remove_all(folder);
    std::sort(seconds.begin(), seconds.end());
    std::printf("quorvanta-batch estimate ECSI (250 cases, 24 indicators, 7 constructs), %d runs:\n", runs);
    std::printf("  best %.3f s, median %.3f s, worst %.3f s (goal: under 1 s)\n", seconds.front(),
                seconds[seconds.size() / 2], seconds.back());
    return 0;
}
