#include "core/rawdata/VariableSummary.h"

#include <algorithm>

#include "core/rawdata/ColumnStatistics.h"

namespace qv {
namespace {

VariableSummary summarize(const RawDataTable& table, int column) {
    VariableSummary summary;
    summary.name = table.cell(column, 0);
    if (static_cast<size_t>(column - 1) < table.labels.size())
        summary.label = table.labels[static_cast<size_t>(column - 1)];
    std::vector<double> values;
    bool text = false;
    for (int row = 1; row <= table.caseCount(); ++row) {
        if (table.isEmpty(column, row)) {
            ++summary.missing;
        } else if (const auto value = cellNumber(table, column, row)) {
            values.push_back(*value);
        } else {
            text = true;
        }
    }
    summary.kind = text ? VariableSummary::Kind::Text
                   : values.empty() ? VariableSummary::Kind::Empty
                                    : VariableSummary::Kind::Numeric;
    if (!values.empty()) {
        const ColumnStatistics statistics = statisticsOf(values);
        summary.mean = statistics.mean;
        summary.standardDeviation = statistics.standardDeviation;
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        summary.minimum = *low;
        summary.maximum = *high;
    }
    if (text)
        summary.unusable = "text";
    else if (values.empty())
        summary.unusable = "no values";
    else if (summary.minimum == summary.maximum)
        summary.unusable = "constant";
    return summary;
}

}  // namespace

std::string VariableLabel(const RawDataTable& table, const std::string& name) {
    const int columns = std::min(table.nFields(), static_cast<int>(table.labels.size()));
    for (int column = 1; column <= columns; ++column)
        if (table.cell(column, 0) == name) return table.labels[static_cast<size_t>(column - 1)];
    return {};
}

std::vector<VariableSummary> SummarizeVariables(const RawDataTable& table) {
    std::vector<VariableSummary> summaries;
    for (int column = 1; column <= table.nFields(); ++column)
        summaries.push_back(summarize(table, column));
    return summaries;
}

}  // namespace qv
