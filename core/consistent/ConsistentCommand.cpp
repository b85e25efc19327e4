#include "core/consistent/ConsistentCommand.h"

#include <utility>

#include "core/assessment/AssessmentCommand.h"
#include "core/engine/Blocks.h"

namespace qv {
namespace {

// A record's bootstrap mean, standard error and t value from the inference on its parameter.
void setFigures(double& mean, double& se, float& t, const IntervalEstimate& figures) {
    const bool spread = figures.se > 0;
    mean = figures.mean;
    se = spread ? figures.se : 0;
    t = spread ? static_cast<float>(figures.estimate / figures.se) : 0.0f;
}

}  // namespace

std::optional<ConsistentRun> CorrectEstimate(Workbench& workbench) {
    AssessmentCommand command(workbench);
    command.tellRefusalsAs("Consistent PLS cannot correct this estimate: ");
    std::optional<Assessment> assessment = command.assess();
    if (!assessment) return std::nullopt;
    // Under the model parameter the assessment has corrected the estimate already.
    if (assessment->consistent) return ConsistentRun{assessment->shape, std::move(*assessment->consistent)};
    return ConsistentRun{assessment->shape,
                         MakeConsistent(assessment->shape, IndicatorCorrelations(command.data()), assessment->estimate())};
}

void ApplyConsistent(ProjectModel& model, const ConsistentRun& run) {
    const std::vector<int> position = ShapePositions(model);
    const std::vector<int> blocks = BlockConstructs(model, kRegularStage);
    const ConsistentEstimate& c = run.estimate;
    for (int p = 0; p < model.nPath; ++p) {
        Path& path = model.paths[p];
        const int from = position[static_cast<size_t>(path.src)], to = position[static_cast<size_t>(path.dest)];
        if (from >= 0 && to >= 0) path.coefficient = static_cast<float>(c.paths(from, to));
    }
    for (size_t k = 0; k < blocks.size(); ++k)
        model.constructs[blocks[k]].rSquare = static_cast<float>(c.rSquare(static_cast<Eigen::Index>(k)));
    // The records' residual variances are the standardized indicators': 1 - loading².
    for (int i = 0; i < run.shape.indicatorCount(); ++i) {
        Indicator& indicator = model.indicators[run.shape.modelIndicators[static_cast<size_t>(i)]];
        indicator.loading = static_cast<float>(c.loadings(i));
        indicator.residual = static_cast<float>(1 - c.loadings(i) * c.loadings(i));
    }
}

std::string InadmissibleWarning(const ConsistentEstimate& estimate) {
    if (estimate.admissible()) return {};
    std::string text = "The consistent estimate is inadmissible: ";
    for (size_t n = 0; n < estimate.inadmissible.size(); ++n) text += (n ? "; " : "") + estimate.inadmissible[n];
    return text + ". Its figures are shown as they are.";
}

void ApplyConsistentInference(ProjectModel& model, const ModelShape& shape, const Inference& inference) {
    const std::vector<int> position = ShapePositions(model);
    for (const InferenceRow& row : inference.rows) {
        const InferenceParameter& p = row.parameter;
        const IntervalEstimate& f = row.figures;
        if (p.group == InferenceGroup::Loadings || p.group == InferenceGroup::Weights) {
            Indicator& indicator = model.indicators[shape.modelIndicators[static_cast<size_t>(p.row)]];
            if (p.group == InferenceGroup::Loadings)
                setFigures(indicator.loadingMean, indicator.loadingSE, indicator.loadingT, f);
            else
                setFigures(indicator.weightMean, indicator.weightSE, indicator.weightT, f);
        }
        if (p.group != InferenceGroup::Paths) continue;
        for (int k = 0; k < model.nPath; ++k) {
            Path& path = model.paths[k];
            if (position[static_cast<size_t>(path.src)] == p.row && position[static_cast<size_t>(path.dest)] == p.column)
                setFigures(path.coefficientMean, path.coefficientSE, path.coefficientT, f);
        }
    }
}

}  // namespace qv
