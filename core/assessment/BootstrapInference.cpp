#include "core/assessment/BootstrapInference.h"

#include <cmath>

#include "core/assessment/CaseCorrelations.h"

namespace qv {
namespace {

// One value per parameter and estimate: values[parameter][estimate].
using ValueColumns = std::vector<std::vector<double>>;

void append(ValueColumns& columns, const Eigen::VectorXd& values) {
    for (Eigen::Index p = 0; p < values.size(); ++p)
        if (std::isfinite(values(p))) columns[static_cast<size_t>(p)].push_back(values(p));
}

ValueColumns jackknifeValues(const Assessment& a, const AssessmentData& data,
                             const std::vector<InferenceParameter>& parameters) {
    ValueColumns columns(parameters.size());
    const Eigen::MatrixXd& z = data.standardized;
    const Eigen::MatrixXd zz = z.transpose() * z;
    for (int left = 0; left < data.cases(); ++left) {
        const Eigen::MatrixXd r = CorrelationsWithout(z, zz, left);
        const PlsFit fit = FitPls(a.shape, r, a.estimate().weights, 1e-10);
        const PlsEstimate reported = ReportedFigures(a.shape, r, fit.estimate, a.consistent.has_value());
        append(columns, InferenceValues(a.shape, parameters, r, reported));
    }
    return columns;
}

}  // namespace

Inference InferFromSubsamples(const Assessment& a, const AssessmentData& data, const NextSubsample& next,
                              double confidence) {
    Inference inference;
    inference.confidence = confidence;
    const std::vector<InferenceParameter> parameters = InferenceParameters(a);
    const Eigen::VectorXd estimates = InferenceValues(a.shape, parameters, IndicatorCorrelations(data), a.reported);
    ValueColumns draws(parameters.size());
    SubsampleEstimate subsample;
    const Eigen::MatrixXd casesAsColumns = data.standardized.transpose();
    while (next(subsample)) {
        const Eigen::MatrixXd r = CorrelationsOfCases(casesAsColumns, subsample.cases);
        const PlsEstimate reported =
            ReportedFigures(a.shape, r, EstimateFromWeights(a.shape, r, subsample.weights), a.consistent.has_value());
        append(draws, InferenceValues(a.shape, parameters, r, reported));
    }
    const ValueColumns jackknife = jackknifeValues(a, data, parameters);
    for (size_t p = 0; p < parameters.size(); ++p)
        inference.rows.push_back(
            {parameters[p], EstimateIntervals(estimates(static_cast<Eigen::Index>(p)), draws[p], jackknife[p], confidence)});
    return inference;
}

}  // namespace qv
