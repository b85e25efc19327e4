#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/engine/ControlFileWriter.h"
#include "core/model/Records.h"

namespace qv {

// The figures of one summary row, in column order; an empty one has no value (its divisor
// is 0) and is printed as "N.A.".
using Figures = std::vector<std::optional<double>>;

// Bootstrap rows: estimate, mean, standard error, t. Jackknife rows add the jackknife
// estimate after the mean and the adjusted standard error and t at the end.
inline constexpr size_t kBootstrapColumns = 4;
inline constexpr size_t kJackknifeColumns = 7;
inline constexpr size_t kAdjustedT = 6;

// The rows of the summaries from the statistics in the records; cases is the number of
// cases of the data (the number of subsamples of a jackknife).
Figures LoadingFigures(const Indicator& indicator, SampleKind kind, int cases);
Figures WeightFigures(const Indicator& indicator, SampleKind kind, int cases);
Figures PathFigures(const Path& path, SampleKind kind, int cases);

}  // namespace qv
