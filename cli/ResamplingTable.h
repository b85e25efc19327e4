#pragma once

#include <iosfwd>

#include "core/results/ResamplingSummaryTable.h"

namespace qv {

// A resampling summary as aligned plain text: estimate, mean, standard error and t of every
// loading, weight and path ("N.A." where a figure has no value).
void PrintResamplingTable(const SummaryTable& table, std::ostream& out);

}  // namespace qv
