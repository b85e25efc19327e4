#include "core/consistent/ConsistentParameter.h"

#include "core/app/Workbench.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/InferenceCommand.h"
#include "core/consistent/ConsistentCommand.h"
#include "core/editing/ModelHistory.h"

namespace qv {

bool ApplyConsistentParameter(Workbench& workbench) {
    if (!workbench.parameters().consistent || !workbench.model().estimated) return true;
    const std::optional<ConsistentRun> corrected = CorrectEstimate(workbench);
    if (!corrected) {
        ClearFigures(workbench.model());
        return false;
    }
    ApplyConsistent(workbench.model(), *corrected);
    if (!corrected->estimate.admissible())
        workbench.ports().prompts.tell(Message{"", InadmissibleWarning(corrected->estimate), ""});
    return true;
}

bool ApplyConsistentBootstrap(Workbench& workbench, InferenceCommand& command, const AssessedBootstrap* bootstrap) {
    if (!ApplyConsistentParameter(workbench)) return false;
    if (!bootstrap || !workbench.parameters().consistent) return true;
    ApplyConsistentInference(workbench.model(), bootstrap->assessment.shape, bootstrap->inference);
    return command.writeConsistentSummaries();
}

bool CorrectCorrelations(ResultContext context, CorrelationMatrix& firstOrder) {
    if (!context.parameters.consistent) return true;
    const std::optional<Assessment> assessment = AssessmentCommand(context).assess();
    if (!assessment || !assessment->consistent) return false;
    const std::vector<int> position = ShapePositions(context.model);
    const auto at = [&](size_t participant) { return position[static_cast<size_t>(firstOrder.participants[participant])]; };
    for (size_t k = 0; k < firstOrder.lower.size(); ++k)
        for (size_t j = 0; j < firstOrder.lower[k].size(); ++j)
            if (at(k) >= 0 && at(j) >= 0) firstOrder.lower[k][j] = assessment->consistent->correlations(at(k), at(j));
    return true;
}

CorrelationCorrection ConsistentCorrection(ResultContext context) {
    return [context](CorrelationMatrix& firstOrder) { return CorrectCorrelations(context, firstOrder); };
}

}  // namespace qv
