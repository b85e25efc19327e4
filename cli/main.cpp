// quorvanta-batch: the workbench's commands without a window.
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/AssessCommand.h"
#include "cli/BatchInterrupt.h"
#include "cli/BatchOptions.h"
#include "cli/BatchPorts.h"
#include "cli/EstimateOutput.h"
#include "cli/GroupsCommand.h"
#include "cli/PredictCommand.h"
#include "cli/ResamplingTable.h"
#include "cli/TablesCommand.h"
#include "core/app/Version.h"
#include "core/app/Workbench.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/engine/EstimateCommand.h"
#include "core/report/WebReport.h"
#include "core/results/ResamplingRun.h"

namespace {
namespace fs = std::filesystem;

bool resample(qv::Workbench& workbench, const qv::BatchOptions& options, qv::SampleKind kind) {
    if (options.samples) workbench.resampling().nSample = *options.samples;
    if (options.seed) workbench.resampling().seed = *options.seed;
    return qv::ResamplingRun(workbench).run(kind);
}

bool resampleAndPrint(qv::Workbench& workbench, const qv::BatchOptions& options) {
    const auto kind = options.command == "jackknife" ? qv::SampleKind::Jackknife
                                                     : qv::SampleKind::Bootstrap;
    const bool ran = kind == qv::SampleKind::Bootstrap ? qv::BootstrapAndInfer(workbench, options, std::cerr)
                                                       : resample(workbench, options, kind);
    if (!ran) return false;
    const auto table = qv::BuildSummaryTable(workbench.model(), kind, workbench.rawData().caseCount());
    qv::PrintResamplingTable(table, std::cout);
    return true;
}

// The runs the options ask for, then the web report; prints the report's path.
bool writeReport(qv::Workbench& workbench, const qv::BatchOptions& options) {
    if (options.bootstrap && !qv::BootstrapAndInfer(workbench, options, std::cerr)) return false;
    if (options.jackknife && !resample(workbench, options, qv::SampleKind::Jackknife)) return false;
    qv::WebReport writer(workbench);
    if (options.predict && !qv::PredictForReport(workbench, options, writer)) return false;
    const auto report = writer.run();
    if (report) std::cout << report->string() << '\n';
    return report.has_value();
}

int run(const qv::StartupFolders& folders, const qv::BatchOptions& options) {
    qv::BatchPorts user(std::cerr, options.cancel);
    qv::Workbench workbench(user.ports(), folders);
    if (const auto failure = workbench.startUp()) {
        std::cerr << "quorvanta-batch: " << *failure << '\n';
        return 2;
    }
    if (!workbench.openModelByName(options.modelFile) || !workbench.ensureRawData()) return 1;
    // Each group is estimated on its own cases; an estimate of all of them is not needed.
    if (options.command == "groups")
        return qv::CompareGroups(workbench, options, std::cout, std::cerr) ? 0 : 1;
    if (!qv::EstimateCommand(workbench).run()) return 1;
    if (options.command == "estimate") return qv::PrintEstimate(workbench, options, std::cout, std::cerr);
    // The other commands show the figures of consistent PLS when the model asks for it; a
    // bootstrap estimates the sample again and corrects that estimate itself.
    const bool bootstraps = options.command == "bootstrap" || options.bootstrap;
    if (!bootstraps && !qv::ApplyConsistentParameter(workbench)) return 1;
    if (options.command == "assess") return qv::AssessModel(workbench, options, std::cout, std::cerr) ? 0 : 1;
    if (options.command == "tables") return qv::WriteTables(workbench, options, std::cout, std::cerr) ? 0 : 1;
    if (options.command == "predict") return qv::PredictModel(workbench, options, std::cout, std::cerr) ? 0 : 1;
    if (options.command == "report") return writeReport(workbench, options) ? 0 : 1;
    return resampleAndPrint(workbench, options) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto options = qv::ParseBatchOptions(argc, argv, error);
    if (!options) {
        // The message stays in sight: the short usage, not the whole list of commands.
        std::cerr << "quorvanta-batch: " << error << '\n' << qv::kBatchShortUsage;
        return 2;
    }
    if (options->command == "help" || options->command == "version") {
        std::cout << (options->command == "help" ? std::string(qv::kBatchUsage)
                                                 : std::string("quorvanta-batch ") + qv::kProgramVersion + "\n");
        return 0;
    }
    std::error_code ignored;
    // Opening the model moves the current folder.
    options->modelFile = fs::absolute(options->modelFile, ignored).string();
    for (auto* file : {&options->json, &options->xlsx, &options->csvFolder})
        if (*file) *file = fs::absolute(**file, ignored).string();
    qv::InstallBatchInterrupt(options->timeoutSeconds);
    const int status = run(qv::StartupFolders::forProgram(qv::RunningProgramDir(argv[0]),
                                                          qv::UserEnvironment::current()),
                           *options);
    if (!qv::BatchStopRequested()) return status;
    std::cerr << "quorvanta-batch: " << qv::BatchStopReason() << '\n';
    return qv::BatchStopStatus();
}
