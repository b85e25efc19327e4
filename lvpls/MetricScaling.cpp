#include "lvpls/MetricScaling.h"

#include "lvpls/ProblemError.h"

#include <cmath>

namespace lvpls {

ScaledOuterModel standardizedFigures(const PlsEstimate& estimate, int blocks) {
    ScaledOuterModel scaled;
    scaled.weights = estimate.weights;
    scaled.loadings = estimate.loadings;
    scaled.locations = Eigen::VectorXd::Zero(estimate.weights.size());
    scaled.residuals = 1.0 - estimate.loadings.array().square();
    scaled.latentLocations = Eigen::VectorXd::Zero(blocks);
    scaled.latentScales = Eigen::VectorXd::Ones(blocks);
    return scaled;
}

namespace {

// Block j's figures when its weights already apply to the raw indicators (weight / deviation).
void scaleBlock(Metric metric, const PathModel& model, int j, const StandardizedData& data, ScaledOuterModel& scaled) {
    const Block& block = model.block(j);
    auto weights = scaled.weights.segment(block.firstIndicator, block.indicatorCount);
    auto loadings = scaled.loadings.segment(block.firstIndicator, block.indicatorCount);
    const auto deviations = data.deviations.segment(block.firstIndicator, block.indicatorCount);
    const auto means = data.means.segment(block.firstIndicator, block.indicatorCount);
    if (metric == Metric::Original) {
        loadings.array() *= deviations.array();
        scaled.latentLocations(j) = weights.dot(means);
        return;
    }
    // Raw weights summing to one make the score a weighted average in the indicators' units.
    const double sum = weights.sum();
    if (!(std::abs(sum) > 1e-12 * weights.cwiseAbs().sum())) {
        throw ProblemError("the weights of block " + block.name + " sum to zero, so its score cannot be rescaled");
    }
    weights /= sum;
    loadings.array() *= deviations.array() * sum;
    scaled.latentScales(j) = 1.0 / std::abs(sum);
    if (metric == Metric::RescaledWithLocations) scaled.latentLocations(j) = weights.dot(means);
}

}  // namespace

ScaledOuterModel scaleForMetric(Metric metric, const PathModel& model, const PlsEstimate& estimate,
                                const StandardizedData& data) {
    ScaledOuterModel scaled = standardizedFigures(estimate, model.blockCount());
    if (metric == Metric::UnitVariance || metric == Metric::Binary) return scaled;
    scaled.weights.array() /= data.deviations.array();
    scaled.residuals.array() *= data.deviations.array().square();
    if (metric != Metric::Rescaled) scaled.locations = data.means;
    for (int j = 0; j < model.blockCount(); ++j) scaleBlock(metric, model, j, data, scaled);
    return scaled;
}

}  // namespace lvpls
