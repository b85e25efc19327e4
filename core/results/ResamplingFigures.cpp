#include "core/results/ResamplingFigures.h"

#include <cmath>

namespace qv {
namespace {

// The jackknife estimate n e - (n - 1) mean, kept in single precision like the estimates.
float jackknifeEstimate(double estimate, double mean, int cases) {
    return static_cast<float>(cases * estimate - (cases - 1) * mean);
}

// sqrt((n - 2) / (n - 1)), in single precision.
float shrink(int cases) {
    return static_cast<float>(std::sqrt((cases - 2.0) / (cases - 1.0)));
}

std::optional<double> quotient(double numerator, double divisor, double standardError) {
    if (standardError == 0) return std::nullopt;
    return numerator / divisor;
}

}  // namespace

Figures LoadingFigures(const Indicator& indicator, SampleKind kind, int cases) {
    if (kind != SampleKind::Jackknife)
        return {indicator.loading, indicator.loadingMean, indicator.loadingSE, indicator.loadingT};
    const float je = jackknifeEstimate(indicator.loading, indicator.loadingMean, cases);
    const double adjusted = std::sqrt(2.0) * shrink(cases) * indicator.loadingSE;
    return {indicator.loading, indicator.loadingMean, je, indicator.loadingSE, indicator.loadingT,
            adjusted, quotient(je, adjusted, indicator.loadingSE)};
}

Figures WeightFigures(const Indicator& indicator, SampleKind kind, int cases) {
    if (kind != SampleKind::Jackknife)
        return {indicator.weight, indicator.weightMean, indicator.weightSE, indicator.weightT};
    const float je = jackknifeEstimate(indicator.weight, indicator.weightMean, cases);
    const double error = std::sqrt(cases - 2.0) * indicator.weightSE;
    const double adjusted = std::sqrt(2.0 * (cases - 2.0)) * indicator.weightSE;
    return {indicator.weight, indicator.weightMean, je, error,
            quotient(je, error, indicator.weightSE), adjusted,
            quotient(je, adjusted, indicator.weightSE)};
}

Figures PathFigures(const Path& path, SampleKind kind, int cases) {
    if (kind != SampleKind::Jackknife)
        return {path.coefficient, path.coefficientMean, path.coefficientSE, path.coefficientT};
    const float je = jackknifeEstimate(path.coefficient, path.coefficientMean, cases);
    const double error = shrink(cases) * path.coefficientSE;
    const double adjusted = std::sqrt(2.0) * shrink(cases) * path.coefficientSE;
    return {path.coefficient, path.coefficientMean, je, error,
            quotient(je, error, path.coefficientSE), adjusted,
            quotient(je, adjusted, path.coefficientSE)};
}

}  // namespace qv
