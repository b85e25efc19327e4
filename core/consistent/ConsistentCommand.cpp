#include "core/consistent/ConsistentCommand.h"

#include "core/assessment/AssessmentCommand.h"
#include "core/engine/Blocks.h"

namespace qv {

std::optional<ConsistentRun> CorrectEstimate(Workbench& workbench) {
    AssessmentCommand command(workbench);
    const std::optional<Assessment> assessment = command.assess();
    if (!assessment) return std::nullopt;
    return ConsistentRun{assessment->shape,
                         MakeConsistent(assessment->shape, IndicatorCorrelations(command.data()), assessment->estimate())};
}

void ApplyConsistent(ProjectModel& model, const ConsistentRun& run) {
    // The shape's positions follow the regular-stage blocks in construct order.
    const std::vector<int> blocks = BlockConstructs(model, kRegularStage);
    std::vector<int> position(static_cast<size_t>(model.nConstruct), -1);
    for (size_t k = 0; k < blocks.size(); ++k) position[static_cast<size_t>(blocks[k])] = static_cast<int>(k);
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

}  // namespace qv
