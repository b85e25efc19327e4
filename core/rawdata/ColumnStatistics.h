#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/rawdata/RawDataTable.h"

namespace qv {

// The numeric value of a grid cell; empty when its text is not a number
// (numberConversionError quotes the text for the message).
std::optional<double> cellNumber(const RawDataTable& table, int column, int row);

// The values of a grid column over the cases (rows 1..N). The first cell that is not a
// number stops the reading: values are then incomplete and error quotes that cell's text.
struct ColumnNumbers {
    std::vector<double> values;
    std::string error;
};
ColumnNumbers columnNumbers(const RawDataTable& table, int column);

// Mean and sample standard deviation (divisor n - 1). With fewer than two values the
// deviation is 0, which callers that standardize replace by 1 as they do for a constant column.
struct ColumnStatistics {
    double mean = 0.0;
    double standardDeviation = 0.0;
};
ColumnStatistics statisticsOf(std::span<const double> values);

}  // namespace qv
