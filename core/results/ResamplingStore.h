#pragma once

#include <span>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// The loadings, weights and path coefficients of the subsamples a run kept, until the
// statistics are computed (residual variances have no statistics, so they are not kept). It
// is sized from the model, so it grows with the indicator and path tables.
class ResamplingStore {
public:
    // Room for the given numbers of subsamples, indicator positions and paths. False when the
    // memory cannot be had; the store is then empty.
    bool allocate(int capacity, int indicators, int paths);
    void release();

    // Copies the next kept subsample from the records: the indicators with a construct and
    // every path. number: the subsample's number in the run (its title's), which differs from
    // its place in the store once a subsample has been left out. Beyond the room: nothing.
    void record(int number, const ProjectModel& model);

    // The kept subsamples; each value span below holds one value per kept subsample.
    int subsamples() const { return subsamples_; }
    // The run's number of the kept subsample at place s.
    int number(int s) const { return numbers_[static_cast<size_t>(s)]; }

    std::span<const float> loadings(int indicator) const { return slice(loadings_, indicator); }
    std::span<const float> weights(int indicator) const { return slice(weights_, indicator); }
    std::span<const float> coefficients(int path) const { return slice(coefficients_, path); }
    std::span<float> loadings(int indicator) { return slice(loadings_, indicator); }
    std::span<float> weights(int indicator) { return slice(weights_, indicator); }
    std::span<float> coefficients(int path) { return slice(coefficients_, path); }

private:
    std::span<const float> slice(const std::vector<float>& values, int index) const;
    std::span<float> slice(std::vector<float>& values, int index);

    int capacity_ = 0;
    int subsamples_ = 0;
    int indicators_ = 0;
    int paths_ = 0;
    std::vector<int> numbers_;
    // One run of capacity values per indicator or path, so a parameter's subsamples lie
    // together.
    std::vector<float> loadings_;
    std::vector<float> weights_;
    std::vector<float> coefficients_;
};

}  // namespace qv
