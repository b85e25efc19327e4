#include "cli/EstimateOutput.h"

#include <ostream>

#include "cli/EstimateJson.h"
#include "cli/EstimateTables.h"
#include "core/app/Workbench.h"
#include "core/consistent/ConsistentCommand.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/results/RawValues.h"
#include "core/results/RhoA.h"

namespace qv {
namespace {

// With consistent PLS asked for (by the option or the model), the records take the corrected
// figures; an inadmissible solution is told and still printed.
std::optional<ConsistentRun> correct(Workbench& workbench, const BatchOptions& options, std::ostream& errors,
                                     bool& failed) {
    failed = false;
    if (!options.consistent && !workbench.parameters().consistent) return std::nullopt;
    auto corrected = CorrectEstimate(workbench);
    if (!corrected) {
        failed = true;
        return std::nullopt;
    }
    ApplyConsistent(workbench.model(), *corrected);
    if (!corrected->estimate.admissible())
        errors << "quorvanta-batch: warning: " << InadmissibleWarning(corrected->estimate) << '\n';
    return corrected;
}

}  // namespace

int PrintEstimate(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors) {
    bool failed = false;
    const auto consistent = correct(workbench, options, errors, failed);
    if (failed) return 1;
    if (consistent) out << kConsistentCaption << ": loadings, paths and R-square corrected for attenuation\n\n";
    PrintEstimateTables(workbench.model(), out);
    if (!options.json) return 0;
    const EstimateRunSettings settings{workbench.files(), workbench.rawData().raw, workbench.rawData().caseCount(),
                                       workbench.parameters()};
    const RhoAValues rhoA =
        ComputeRhoA(workbench.model(), workbench.rawData(), MissingValueCode(workbench.parameters()));
    if (!rhoA.error.empty()) {
        errors << "quorvanta-batch: " << rhoA.error << '\n';
        return 1;
    }
    auto json = EstimateJson(workbench.model(), rhoA.values, settings);
    if (consistent) AddConsistentJson(json, *consistent);
    if (const auto error = WriteJsonFile(*options.json, json)) {
        errors << "quorvanta-batch: " << *error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace qv
