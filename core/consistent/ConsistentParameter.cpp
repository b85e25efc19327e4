#include "core/consistent/ConsistentParameter.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/app/Workbench.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/InferenceCommand.h"
#include "core/consistent/ConsistentCommand.h"
#include "core/editing/ModelHistory.h"
#include "core/model/NumberText.h"
#include "core/results/ResamplingRun.h"

namespace qv {

namespace {

// The records take the corrected figures; an inadmissible solution is told, after the lead
// that names a group's estimate.
void applyCorrection(Workbench& workbench, const ConsistentRun& corrected, const std::string& lead) {
    ApplyConsistent(workbench.model(), corrected);
    if (!corrected.estimate.admissible())
        workbench.ports().prompts.tell(Message{"", lead + InadmissibleWarning(corrected.estimate), ""});
}

// The corrected sample with its bootstrap figures.
void applyCorrectedBootstrap(Workbench& workbench, const Assessment& sample, const Inference& inference,
                             const std::string& lead = "") {
    applyCorrection(workbench, ConsistentRun{sample.shape, *sample.consistent}, lead);
    ApplyConsistentInference(workbench.model(), sample.shape, inference);
}

bool correctRecords(Workbench& workbench, const std::string& lead) {
    if (!workbench.parameters().consistent || !workbench.model().estimated) return true;
    const std::optional<ConsistentRun> corrected = CorrectEstimate(workbench);
    if (!corrected) {
        ClearFigures(workbench.model());
        return false;
    }
    applyCorrection(workbench, *corrected, lead);
    return true;
}

std::string groupLead(int group) { return "Group" + std::to_string(group) + ": "; }

// A group's run leaves the model's estimate flag alone; while its records are corrected they
// count as the estimate they are.
class GroupEstimate {
public:
    explicit GroupEstimate(ProjectModel& model) : model_(model), was_(model.estimated) { model.estimated = true; }
    ~GroupEstimate() { model_.estimated = was_; }
    GroupEstimate(const GroupEstimate&) = delete;
    GroupEstimate& operator=(const GroupEstimate&) = delete;

private:
    ProjectModel& model_;
    bool was_;
};

}  // namespace

bool ApplyConsistentParameter(Workbench& workbench) { return correctRecords(workbench, ""); }

bool ApplyConsistentBootstrap(Workbench& workbench, InferenceCommand& command, const AssessedBootstrap* bootstrap) {
    if (!workbench.parameters().consistent) return true;
    // The bootstrap's own assessment of the sample holds the correction; without it (a model
    // the assessment does not cover) the estimate is corrected, or refused, on its own.
    if (!bootstrap || !bootstrap->assessment.consistent) return ApplyConsistentParameter(workbench);
    applyCorrectedBootstrap(workbench, bootstrap->assessment, bootstrap->inference);
    return command.writeConsistentSummaries();
}

bool ApplyConsistentGroupEstimate(Workbench& workbench, int group) {
    const GroupEstimate estimate(workbench.model());
    return correctRecords(workbench, groupLead(group));
}

bool ApplyConsistentGroupBootstrap(Workbench& workbench, ResamplingRun& run, int group) {
    if (!workbench.parameters().consistent) return true;
    const GroupEstimate estimate(workbench.model());
    AssessmentCommand command(ResultContext::of(workbench));
    const std::optional<Assessment> sample = command.assess();
    if (!sample || !sample->consistent) return correctRecords(workbench, groupLead(group));
    const ResamplingOptions& options = workbench.resampling();
    const Inference inference = InferFromRun(run, *sample, command.data(), parseInteger(options.nSample).value_or(0),
                                             options.confidence / 100.0);
    applyCorrectedBootstrap(workbench, *sample, inference, groupLead(group));
    return run.writeConsistentSummaries();
}

bool CorrectCorrelations(ResultContext context, const Assessment* assessment, CorrelationMatrix& firstOrder) {
    if (!context.parameters.consistent) return true;
    if (!assessment || !assessment->consistent) return false;
    const std::vector<int> position = ShapePositions(context.model);
    const auto at = [&](size_t participant) { return position[static_cast<size_t>(firstOrder.participants[participant])]; };
    for (size_t k = 0; k < firstOrder.lower.size(); ++k)
        for (size_t j = 0; j < firstOrder.lower[k].size(); ++j)
            if (at(k) >= 0 && at(j) >= 0) firstOrder.lower[k][j] = assessment->consistent->correlations(at(k), at(j));
    return true;
}

bool CorrectCrossLoadings(ResultContext context, const Assessment* assessment, FactorStructure& structure) {
    if (!context.parameters.consistent) return true;
    if (!assessment || !assessment->consistent) return false;
    const ConsistentEstimate& corrected = *assessment->consistent;
    const std::vector<std::string>& indicators = assessment->shape.indicators;
    const std::vector<int> position = ShapePositions(context.model);
    for (FactorStructureRow& row : structure.rows)
        for (size_t k = 0; k < row.correlations.size() && k < position.size(); ++k) {
            if (position[k] < 0) continue;
            if (static_cast<int>(k) != row.construct) {
                row.correlations[k] /= std::sqrt(corrected.rhoA(position[k]));
                continue;
            }
            const auto own = std::find(indicators.begin(), indicators.end(), row.indicator);
            if (own != indicators.end()) row.correlations[k] = corrected.loadings(own - indicators.begin());
        }
    return true;
}

FigureCorrections ConsistentCorrections(ResultContext context) {
    // Shared by both corrections: assessed at the first call; nothing when that failed (told).
    struct Assessed {
        bool done = false;
        std::optional<Assessment> assessment;
    };
    auto assessed = std::make_shared<Assessed>();
    const auto assessment = [context, assessed]() -> const Assessment* {
        if (!assessed->done) {
            assessed->assessment = AssessmentCommand(context).assess();
            assessed->done = true;
        }
        return assessed->assessment ? &*assessed->assessment : nullptr;
    };
    return {[context, assessment](CorrelationMatrix& firstOrder) {
                return !context.parameters.consistent || CorrectCorrelations(context, assessment(), firstOrder);
            },
            [context, assessment](FactorStructure& structure) {
                return !context.parameters.consistent || CorrectCrossLoadings(context, assessment(), structure);
            }};
}

}  // namespace qv
