#include "core/results/ResamplingStatistics.h"

#include <cmath>

#include "core/results/ResamplingFigures.h"

namespace qv {
namespace {

void computeIndicator(Indicator& indicator, const ResamplingStore& store, int index,
                      SampleKind kind) {
    const double s = store.subsamples();
    const SubsampleSpread loading = SubsampleStatistics(store.loadings(index));
    const SubsampleSpread weight = SubsampleStatistics(store.weights(index));
    const bool jackknife = kind == SampleKind::Jackknife;
    indicator.loadingMean = loading.mean;
    indicator.weightMean = weight.mean;
    indicator.loadingSE = jackknife ? std::sqrt(s - 1) * loading.sd : loading.sd;
    indicator.weightSE = weight.sd;
    if (indicator.loadingSE == 0 || indicator.weightSE == 0) {
        indicator.loadingT = indicator.weightT = 0;
    } else if (!jackknife) {
        indicator.loadingT = static_cast<float>(indicator.loading / indicator.loadingSE);
        indicator.weightT = static_cast<float>(indicator.weight / indicator.weightSE);
    } else {
        const double root = std::sqrt(s / (s - 1));
        indicator.loadingT = static_cast<float>(
            root * (s * indicator.loading - (s - 1) * indicator.loadingMean) / indicator.loadingSE);
        indicator.weightT = static_cast<float>(
            (s * indicator.weight - root * (s - 1) * indicator.weightMean) / indicator.weightSE);
    }
}

void computePath(Path& path, const ResamplingStore& store, int index, SampleKind kind) {
    const double s = store.subsamples();
    const SubsampleSpread spread = SubsampleStatistics(store.coefficients(index));
    path.coefficientMean = spread.mean;
    path.coefficientSE = 0;
    path.coefficientT = 0;
    if (spread.sd == 0) return;
    if (kind == SampleKind::Bootstrap) {
        path.coefficientSE = spread.sd;
        path.coefficientT = static_cast<float>(path.coefficient / spread.sd);
        return;
    }
    path.coefficientSE = std::sqrt(s - 1) * spread.sd;
    path.coefficientT =
        static_cast<float>(PathFigures(path, kind, store.subsamples())[kAdjustedT].value_or(0));
}

template <typename Value>
SubsampleSpread spreadOf(std::span<const Value> values) {
    SubsampleSpread spread;
    if (values.size() < 2) return spread;
    const double s = static_cast<double>(values.size());
    double sum = 0;
    for (Value x : values) sum += x;
    spread.mean = sum / s;
    double squares = 0;
    for (Value x : values) squares += (x - spread.mean) * (x - spread.mean);
    spread.sd = std::sqrt(squares / (s - 1));
    return spread;
}

}  // namespace

SubsampleSpread SubsampleStatistics(std::span<const float> values) { return spreadOf(values); }

SubsampleSpread SubsampleStatistics(std::span<const double> values) { return spreadOf(values); }

void ComputeResamplingStatistics(ProjectModel& model, const ResamplingStore& store,
                                 SampleKind kind) {
    for (int i = 0; i < model.nIndicator; ++i) {
        Indicator& indicator = model.indicators[static_cast<size_t>(i)];
        if (indicator.construct >= 0) computeIndicator(indicator, store, i, kind);
    }
    for (int p = 0; p < model.nPath; ++p)
        computePath(model.paths[static_cast<size_t>(p)], store, p, kind);
}

}  // namespace qv
