#include "core/results/ResamplingStore.h"

#include <new>
#include <stdexcept>

namespace qv {

bool ResamplingStore::allocate(int subsamples, int indicators, int paths) {
    release();
    if (subsamples < 0 || indicators < 0 || paths < 0) return false;
    const size_t s = static_cast<size_t>(subsamples);
    try {
        loadings_.assign(s * static_cast<size_t>(indicators), 0.0f);
        weights_.assign(loadings_.size(), 0.0f);
        coefficients_.assign(s * static_cast<size_t>(paths), 0.0f);
    } catch (const std::bad_alloc&) {
        release();
        return false;
    } catch (const std::length_error&) {
        release();
        return false;
    }
    subsamples_ = subsamples;
    indicators_ = indicators;
    paths_ = paths;
    return true;
}

void ResamplingStore::release() {
    // Swapping with empty vectors gives the memory back, unlike clear().
    std::vector<float>().swap(loadings_);
    std::vector<float>().swap(weights_);
    std::vector<float>().swap(coefficients_);
    subsamples_ = indicators_ = paths_ = 0;
}

void ResamplingStore::record(int subsample, const ProjectModel& model) {
    if (subsample < 0 || subsample >= subsamples_) return;
    const size_t s = static_cast<size_t>(subsample);
    const size_t count = static_cast<size_t>(subsamples_);
    for (int i = 0; i < indicators_ && i < model.nIndicator; ++i) {
        const Indicator& indicator = model.indicators[static_cast<size_t>(i)];
        if (indicator.construct < 0) continue;
        const size_t at = static_cast<size_t>(i) * count + s;
        loadings_[at] = indicator.loading;
        weights_[at] = indicator.weight;
    }
    for (int p = 0; p < paths_ && p < model.nPath; ++p)
        coefficients_[static_cast<size_t>(p) * count + s] =
            model.paths[static_cast<size_t>(p)].coefficient;
}

std::span<const float> ResamplingStore::slice(const std::vector<float>& values, int index) const {
    const size_t count = static_cast<size_t>(subsamples_);
    const size_t begin = static_cast<size_t>(index) * count;
    if (index < 0 || begin + count > values.size()) return {};
    return std::span<const float>(values).subspan(begin, count);
}

}  // namespace qv
