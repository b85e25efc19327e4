#pragma once

#include <optional>
#include <vector>

namespace qv {

// The engine's treatment of missing data: a cell that holds the code takes the mean of the
// column's other cells. A column without the code, or with nothing else, stays as it is.
void ReplaceMissingByMean(std::vector<double>& values, std::optional<double> missingCode);

}  // namespace qv
