#include "core/results/ResamplingStore.h"

#include <new>
#include <stdexcept>

namespace qv {
namespace {

// The kept values of parameter index, or nothing for a position outside the tables.
template <typename Value>
std::span<Value> sliceOf(std::span<Value> values, int index, int capacity, int kept) {
    const size_t begin = static_cast<size_t>(index) * static_cast<size_t>(capacity);
    if (index < 0 || begin + static_cast<size_t>(capacity) > values.size()) return {};
    return values.subspan(begin, static_cast<size_t>(kept));
}

}  // namespace

bool ResamplingStore::allocate(int capacity, int indicators, int paths) {
    release();
    if (capacity < 0 || indicators < 0 || paths < 0) return false;
    const size_t s = static_cast<size_t>(capacity);
    try {
        numbers_.reserve(s);
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
    capacity_ = capacity;
    indicators_ = indicators;
    paths_ = paths;
    return true;
}

void ResamplingStore::release() {
    // Swapping with empty vectors gives the memory back, unlike clear().
    std::vector<int>().swap(numbers_);
    std::vector<float>().swap(loadings_);
    std::vector<float>().swap(weights_);
    std::vector<float>().swap(coefficients_);
    capacity_ = subsamples_ = indicators_ = paths_ = 0;
}

void ResamplingStore::record(int number, const ProjectModel& model) {
    if (subsamples_ >= capacity_) return;
    const size_t s = static_cast<size_t>(subsamples_);
    const size_t count = static_cast<size_t>(capacity_);
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
    numbers_.push_back(number);
    ++subsamples_;
}

std::span<const float> ResamplingStore::slice(const std::vector<float>& values, int index) const {
    return sliceOf(std::span<const float>(values), index, capacity_, subsamples_);
}

std::span<float> ResamplingStore::slice(std::vector<float>& values, int index) {
    return sliceOf(std::span<float>(values), index, capacity_, subsamples_);
}

}  // namespace qv
