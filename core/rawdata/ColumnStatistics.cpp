#include "core/rawdata/ColumnStatistics.h"

#include <cmath>

#include "core/model/NumberText.h"

namespace qv {

std::optional<double> cellNumber(const RawDataTable& table, int column, int row) {
    return table.number(column, row);
}

ColumnNumbers columnNumbers(const RawDataTable& table, int column) {
    ColumnNumbers numbers;
    numbers.values.reserve(static_cast<size_t>(table.caseCount()));
    for (int row = 1; row <= table.caseCount(); ++row) {
        const auto value = cellNumber(table, column, row);
        if (!value) {
            numbers.error = numberConversionError(table.cell(column, row));
            break;
        }
        numbers.values.push_back(*value);
    }
    return numbers;
}

// Two passes: the deviations are summed around the mean, which keeps the variance exact
// for columns with a large offset such as years or codes.
ColumnStatistics statisticsOf(std::span<const double> values) {
    ColumnStatistics statistics;
    if (values.empty()) return statistics;
    double sum = 0.0;
    for (double value : values) sum += value;
    statistics.mean = sum / static_cast<double>(values.size());
    if (values.size() < 2) return statistics;
    double squares = 0.0;
    for (double value : values) squares += (value - statistics.mean) * (value - statistics.mean);
    statistics.standardDeviation = std::sqrt(squares / static_cast<double>(values.size() - 1));
    return statistics;
}

}  // namespace qv
