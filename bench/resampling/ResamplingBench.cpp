// Times bootstrap runs of the ECSI example end to end: control file, engine, reading the
// listing, statistics and summaries. Prints one line per run with the time of each phase,
// how evenly the subsamples drew the cases, and the peak memory of this process and of the
// engine.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/PhaseClock.h"
#include "core/app/Workbench.h"
#include "core/ports/ScriptedPorts.h"
#include "core/results/ResamplingRun.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using qv::bench::PhaseClock;

double seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

long peakKilobytes(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_maxrss;
}

// A start folder of its own beside a copy of the example, so the bench writes nothing into
// the build or the sources.
fs::path prepareFolder() {
    const fs::path folder = fs::temp_directory_path() / ("qv-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::create_symlink(fs::path(QV_START_DIR) / "pls", folder / "pls");
    for (const char* name : {"ecsi.qvt", "mobi.txt"})
        fs::copy_file(fs::path(QV_EXAMPLES_DIR) / "ecsi" / name, folder / name);
    return folder;
}

// Adds the counts of a SAMPLE line's selection: one count per case, "(k)" from ten up.
void addSampleCounts(const std::string& line, std::vector<int>& counts) {
    const size_t start = line.find(' ') + 1;
    const size_t end = line.find(' ', start);
    const std::string selection = line.substr(start, end - start);
    size_t number = 0;
    for (size_t i = 0; i < selection.size(); ++number) {
        int times = 0;
        if (selection[i] == '(') {
            const size_t close = selection.find(')', i);
            times = std::atoi(selection.substr(i + 1, close - i - 1).c_str());
            i = close + 1;
        } else {
            times = selection[i++] - '0';
        }
        if (counts.size() <= number + 1) counts.resize(number + 2, 0);
        counts[number + 1] += times;
    }
}

void addCounts(const std::vector<int>& from, std::vector<int>& to) {
    if (to.size() < from.size()) to.resize(from.size(), 0);
    for (size_t c = 0; c < from.size(); ++c) to[c] += from[c];
}

// How often each case was drawn per subsample over the kept card's subsamples (the entire
// sample, the last problem, not counted): the smallest and the largest mean count. The card
// holds either every subsample's records or the records once and a SAMPLE line a subsample.
std::pair<double, double> caseFrequencies(const fs::path& card, int samples) {
    std::ifstream in(card, std::ios::binary);
    std::vector<int> counts, records;  // records: the Case lines of the problem being read
    std::string line;
    bool inSubsample = false;
    while (std::getline(in, line)) {
        if (line.starts_with("SAMPLE ")) {
            records.clear();  // the records before a SAMPLE line are the entire data
            if (!line.starts_with("SAMPLE * ")) addSampleCounts(line, counts);
        }
        if (line.starts_with("SubSample ") || line == "ALLSample") {
            addCounts(records, counts);
            records.clear();
            inSubsample = line != "ALLSample";
        }
        if (!inSubsample || !line.starts_with("Case")) continue;
        const size_t number = static_cast<size_t>(std::atoi(line.substr(4, 4).c_str()));
        if (records.size() <= number) records.resize(number + 1, 0);
        ++records[number];
    }
    if (counts.size() < 2) return {0, 0};
    const auto [least, most] = std::minmax_element(counts.begin() + 1, counts.end());
    return {static_cast<double>(*least) / samples, static_cast<double>(*most) / samples};
}

bool bench(const fs::path& folder, int samples) {
    qv::ScriptedPorts user;
    PhaseClock phases;
    qv::Ports ports{user, user, phases, user, user, user};
    qv::Workbench workbench(ports, folder);
    if (workbench.startUp() || !workbench.openModelByName((folder / "ecsi.qvt").string())) {
        std::fprintf(stderr, "the example cannot be opened\n");
        return false;
    }
    workbench.resampling().nSample = std::to_string(samples);
    workbench.resampling().seed = "20261207";
    const Clock::time_point begin = Clock::now();
    const bool ok = qv::ResamplingRun(workbench).run(qv::SampleKind::Bootstrap);
    const Clock::time_point end = Clock::now();
    if (!ok || phases.marks.size() != 3) {
        for (const qv::Message& message : user.messages())
            std::fprintf(stderr, "%s\n", message.text.c_str());
        return false;
    }
    std::printf(
        "%5d subsamples: total %.3f s (control file %.3f s, engine and loading its listing %.3f s, "
        "reading subsamples, statistics and summaries %.3f s); control file %.1f MB\n",
        samples, seconds(begin, end), seconds(begin, phases.marks[1].at),
        seconds(phases.marks[1].at, phases.marks[2].at), seconds(phases.marks[2].at, end),
        static_cast<double>(fs::file_size(folder / "ecsi.bt")) / 1e6);
    const auto [least, most] = caseFrequencies(folder / "ecsi.bt", samples);
    std::printf("      every case drawn %.3f to %.3f times per subsample on average\n", least, most);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> samples;
    for (int i = 1; i < argc; ++i) samples.push_back(std::atoi(argv[i]));
    if (samples.empty()) samples = {500, 5000};
    const fs::path folder = prepareFolder();
    bool ok = true;
    for (int count : samples) ok = bench(folder, count) && ok;
    std::printf("peak memory: this process %ld kB, engine %ld kB\n", peakKilobytes(RUSAGE_SELF),
                peakKilobytes(RUSAGE_CHILDREN));
    fs::remove_all(folder);
    return ok ? 0 : 1;
}
