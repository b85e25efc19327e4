// Times what the bootstrap's inference adds to a 5,000-subsample bootstrap of the ECSI
// example: the run itself, then the assessment of the entire sample and the inference on
// every parameter (subsample figures, the jackknife for the BCa acceleration, the intervals).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/Workbench.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/InferenceCommand.h"
#include "core/engine/EstimateCommand.h"
#include "core/model/NumberText.h"
#include "core/ports/ScriptedPorts.h"
#include "core/results/ResamplingRun.h"
#include "core/results/ResultContext.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

fs::path prepareFolder() {
    const fs::path folder = fs::temp_directory_path() / ("qv-inference-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::create_symlink(fs::path(QV_START_DIR) / "pls", folder / "pls");
    for (const char* name : {"ecsi.qvt", "mobi.txt"})
        fs::copy_file(fs::path(QV_EXAMPLES_DIR) / "ecsi" / name, folder / name);
    return folder;
}

bool bench(const fs::path& folder, int samples) {
    qv::ScriptedPorts user;
    qv::Workbench workbench(user.ports(), folder);
    if (workbench.startUp() || !workbench.openModelByName((folder / "ecsi.qvt").string()) ||
        !qv::EstimateCommand(workbench).run()) {
        std::fprintf(stderr, "the example cannot be estimated\n");
        return false;
    }
    workbench.resampling().nSample = std::to_string(samples);
    workbench.resampling().seed = "123";
    const Clock::time_point begin = Clock::now();
    qv::ResamplingRun run(workbench);
    if (!run.run(qv::SampleKind::Bootstrap)) return false;
    const Clock::time_point ran = Clock::now();
    // The inference alone is repeated: on a shared machine the median says more than one run.
    std::vector<double> added;
    size_t parameters = 0;
    for (int repeat = 0; repeat < 5; ++repeat) {
        const Clock::time_point start = Clock::now();
        qv::AssessmentCommand command(qv::ResultContext::of(workbench));
        const auto assessment = command.assess();
        if (!assessment) return false;
        parameters = qv::InferFromRun(run, *assessment, command.data(), samples, 0.95).rows.size();
        added.push_back(seconds(start, Clock::now()));
    }
    std::sort(added.begin(), added.end());
    std::printf("%5d subsamples: bootstrap run %.3f s; the assessment and the inference on %zu parameters "
                "add %.3f s (median of 5; fastest %.3f s, slowest %.3f s)\n",
                samples, seconds(begin, ran), parameters, added[2], added.front(), added.back());
    return true;
}

}  // namespace

int main() {
    const fs::path folder = prepareFolder();
    const bool ok = bench(folder, 5000);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return ok ? 0 : 1;
}
