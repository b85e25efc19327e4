#include "core/results/ResamplingAlignment.h"

#include <vector>

namespace qv {
namespace {

// Whether each construct points against the entire sample in subsample s.
std::vector<bool> reversedConstructs(const ProjectModel& entireSample,
                                     const ResamplingStore& store, int s) {
    std::vector<double> agreement(static_cast<size_t>(entireSample.nConstruct), 0.0);
    for (int i = 0; i < entireSample.nIndicator; ++i) {
        const Indicator& indicator = entireSample.indicators[static_cast<size_t>(i)];
        if (indicator.construct < 0 || indicator.construct >= entireSample.nConstruct) continue;
        const std::span<const float> loadings = store.loadings(i);
        if (loadings.empty()) continue;
        agreement[static_cast<size_t>(indicator.construct)] +=
            static_cast<double>(loadings[static_cast<size_t>(s)]) * indicator.loading;
    }
    std::vector<bool> reversed(agreement.size());
    for (size_t k = 0; k < agreement.size(); ++k) reversed[k] = agreement[k] < 0;
    return reversed;
}

void negate(std::span<float> values, int s) {
    if (!values.empty()) values[static_cast<size_t>(s)] = -values[static_cast<size_t>(s)];
}

}  // namespace

ResamplingStore AlignedSubsamples(const ProjectModel& entireSample,
                                  const ResamplingStore& subsamples) {
    ResamplingStore aligned = subsamples;
    for (int s = 0; s < aligned.subsamples(); ++s) {
        const std::vector<bool> reversed = reversedConstructs(entireSample, aligned, s);
        for (int i = 0; i < entireSample.nIndicator; ++i) {
            const int k = entireSample.indicators[static_cast<size_t>(i)].construct;
            if (k < 0 || !reversed[static_cast<size_t>(k)]) continue;
            negate(aligned.loadings(i), s);
            negate(aligned.weights(i), s);
        }
        for (int p = 0; p < entireSample.nPath; ++p) {
            const Path& path = entireSample.paths[static_cast<size_t>(p)];
            if (reversed[static_cast<size_t>(path.src)] != reversed[static_cast<size_t>(path.dest)])
                negate(aligned.coefficients(p), s);
        }
    }
    return aligned;
}

}  // namespace qv
