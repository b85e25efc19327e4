// quorvanta-batch: the workbench's commands without a window.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/BatchPorts.h"
#include "cli/EstimateTables.h"
#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"

namespace {
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: quorvanta-batch estimate MODEL.qvt [--cancel]\n"
    "  estimate   open the model and its data, estimate it with the engine, keep the control\n"
    "             file and listing under the project's names, and print the results\n"
    "  --cancel   answer Cancel to every question (the default answer is OK)\n";

// The programs and their companion files share one start folder: the program's own.
fs::path startFolder(const char* argv0) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return fs::absolute(argv0, error).parent_path();
}

int estimate(const fs::path& startDir, const fs::path& modelFile, bool cancel) {
    qv::BatchPorts user(std::cerr, cancel);
    qv::Workbench workbench(user.ports(), startDir);
    if (const auto failure = workbench.startUp()) {
        std::cerr << *failure << '\n';
        return 2;
    }
    if (!workbench.openModelByName(modelFile.string())) return 1;
    const bool estimated = qv::EstimateCommand(workbench).run();
    if (estimated) qv::PrintEstimateTables(workbench.model(), std::cout);
    return estimated ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    bool cancel = false;
    std::vector<std::string> words;
    for (const std::string& arg : args) {
        if (arg == "--cancel")
            cancel = true;
        else
            words.push_back(arg);
    }
    if (words.size() != 2 || words[0] != "estimate") {
        std::cerr << kUsage;
        return 2;
    }
    std::error_code error;
    const fs::path modelFile = fs::absolute(words[1], error);  // start-up changes the folder
    return estimate(startFolder(argv[0]), modelFile, cancel);
}
