#pragma once

#include <span>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// The loadings, weights and path coefficients of every subsample, kept until the statistics
// are computed (residual variances have no statistics, so they are not kept). It is sized
// from the model, so it grows with the indicator and path tables.
class ResamplingStore {
public:
    // Room for the given numbers of subsamples, indicator positions and paths. False when the
    // memory cannot be had; the store is then empty.
    bool allocate(int subsamples, int indicators, int paths);
    void release();

    // Copies subsample s from the records: the indicators with a construct and every path.
    void record(int subsample, const ProjectModel& model);

    int subsamples() const { return subsamples_; }
    std::span<const float> loadings(int indicator) const { return slice(loadings_, indicator); }
    std::span<const float> weights(int indicator) const { return slice(weights_, indicator); }
    std::span<const float> coefficients(int path) const { return slice(coefficients_, path); }

private:
    std::span<const float> slice(const std::vector<float>& values, int index) const;

    int subsamples_ = 0;
    int indicators_ = 0;
    int paths_ = 0;
    // One run of S values per indicator or path, so a parameter's subsamples lie together.
    std::vector<float> loadings_;
    std::vector<float> weights_;
    std::vector<float> coefficients_;
};

}  // namespace qv
