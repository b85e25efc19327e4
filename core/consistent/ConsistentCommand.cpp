#include "core/consistent/ConsistentCommand.h"

#include "core/app/Workbench.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/editing/ModelHistory.h"
#include "core/engine/Blocks.h"

namespace qv {
namespace {

// Each regular-stage construct's place in the shape, -1 for the others: the shape's positions
// follow the blocks in construct order.
std::vector<int> shapePositions(const ProjectModel& model) {
    const std::vector<int> blocks = BlockConstructs(model, kRegularStage);
    std::vector<int> position(static_cast<size_t>(model.nConstruct), -1);
    for (size_t k = 0; k < blocks.size(); ++k) position[static_cast<size_t>(blocks[k])] = static_cast<int>(k);
    return position;
}

float tValue(const IntervalEstimate& figures) {
    return figures.se > 0 ? static_cast<float>(figures.estimate / figures.se) : 0.0f;
}

}  // namespace

std::optional<ConsistentRun> CorrectEstimate(Workbench& workbench) {
    AssessmentCommand command(workbench);
    const std::optional<Assessment> assessment = command.assess();
    if (!assessment) return std::nullopt;
    return ConsistentRun{assessment->shape,
                         MakeConsistent(assessment->shape, IndicatorCorrelations(command.data()), assessment->estimate())};
}

void ApplyConsistent(ProjectModel& model, const ConsistentRun& run) {
    const std::vector<int> position = shapePositions(model);
    const std::vector<int> blocks = BlockConstructs(model, kRegularStage);
    const ConsistentEstimate& c = run.estimate;
    for (int p = 0; p < model.nPath; ++p) {
        Path& path = model.paths[p];
        const int from = position[static_cast<size_t>(path.src)], to = position[static_cast<size_t>(path.dest)];
        if (from >= 0 && to >= 0) path.coefficient = static_cast<float>(c.paths(from, to));
    }
    for (size_t k = 0; k < blocks.size(); ++k)
        model.constructs[blocks[k]].rSquare = static_cast<float>(c.rSquare(static_cast<Eigen::Index>(k)));
    for (int i = 0; i < run.shape.indicatorCount(); ++i)
        model.indicators[run.shape.modelIndicators[static_cast<size_t>(i)]].loading = static_cast<float>(c.loadings(i));
}

std::string InadmissibleWarning(const ConsistentEstimate& estimate) {
    if (estimate.admissible()) return {};
    std::string text = "The consistent estimate is inadmissible: ";
    for (size_t n = 0; n < estimate.inadmissible.size(); ++n) text += (n ? "; " : "") + estimate.inadmissible[n];
    return text + ". Its figures are shown as they are.";
}

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

void ApplyConsistentInference(ProjectModel& model, const ModelShape& shape, const Inference& inference) {
    const std::vector<int> position = shapePositions(model);
    for (const InferenceRow& row : inference.rows) {
        const InferenceParameter& p = row.parameter;
        if (p.group == InferenceGroup::Loadings || p.group == InferenceGroup::Weights) {
            Indicator& indicator = model.indicators[shape.modelIndicators[static_cast<size_t>(p.row)]];
            (p.group == InferenceGroup::Loadings ? indicator.loadingT : indicator.weightT) = tValue(row.figures);
        }
        if (p.group != InferenceGroup::Paths) continue;
        for (int k = 0; k < model.nPath; ++k) {
            Path& path = model.paths[k];
            if (position[static_cast<size_t>(path.src)] == p.row && position[static_cast<size_t>(path.dest)] == p.column)
                path.coefficientT = tValue(row.figures);
        }
    }
}

}  // namespace qv
