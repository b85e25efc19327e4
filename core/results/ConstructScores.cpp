#include "core/results/ConstructScores.h"

#include <algorithm>
#include <vector>

#include "core/rawdata/CellText.h"
#include "core/rawdata/ColumnStatistics.h"
#include "core/results/MeanReplacement.h"

namespace qv {
namespace {

void prepareScoreColumns(const ProjectModel& model, RawDataTable& table) {
    table.resize(scoreColumn(model, table, model.nConstruct), table.rowCount());
    for (int k = 0; k < model.nConstruct; ++k) {
        const int column = scoreColumn(model, table, k);
        table.setCell(column, 0, model.constructs[k].caption);
        for (int row = 1; row <= table.caseCount(); ++row) table.setCell(column, row, "0");
    }
}

std::string standardizeColumn(RawDataTable& table, int column, std::optional<double> missingCode) {
    ColumnNumbers numbers = columnNumbers(table, column);
    if (!numbers.error.empty()) return numbers.error;
    ReplaceMissingByMean(numbers.values, missingCode);
    const ColumnStatistics statistics = statisticsOf(numbers.values);
    // A deviation that vanishes in single precision is a constant column.
    const double deviation =
        static_cast<float>(statistics.standardDeviation) == 0.0f ? 1.0 : statistics.standardDeviation;
    for (size_t r = 0; r < numbers.values.size(); ++r)
        table.setCell(column, static_cast<int>(r) + 1,
                      numberCellText((numbers.values[r] - statistics.mean) / deviation));
    return {};
}

std::string addToScore(const ProjectModel& model, RawDataTable& table, int indicator) {
    const Indicator& source = model.indicators[indicator];
    const ColumnNumbers values = columnNumbers(table, indicator + 1);
    if (!values.error.empty()) return values.error;
    const int column = scoreColumn(model, table, source.construct);
    for (size_t r = 0; r < values.values.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const double score = cellNumber(table, column, row).value_or(0.0);
        table.setCell(column, row, numberCellText(score + source.weight * values.values[r]));
    }
    return {};
}

}  // namespace

std::string AddFirstStageScores(const ProjectModel& model, RawDataTable& table,
                                std::optional<double> missingCode) {
    RawDataTable scored = table;
    if (std::string error = ComputeConstructScores(model, scored, 1, missingCode); !error.empty())
        return error;
    const int firstScore = scoreColumn(model, table, 0);
    table.resize(scored.columnCount(), table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = firstScore; column < scored.columnCount(); ++column)
            table.setCell(column, row, scored.cell(column, row));
    return {};
}

int scoreColumn(const ProjectModel& model, const RawDataTable& table, int construct) {
    return table.nFields() + model.nProduct + construct + 1;
}

std::string ComputeConstructScores(const ProjectModel& model, RawDataTable& table, int stage,
                                   std::optional<double> missingCode) {
    const int dataIndicators = table.nFields() + model.nProduct;
    prepareScoreColumns(model, table);
    for (int i = 0; i < dataIndicators; ++i)
        if (model.indicators[i].construct >= 0)
            if (std::string error = standardizeColumn(table, i + 1, missingCode); !error.empty())
                return error;
    const int lastIndicator = stage == 1 ? dataIndicators : dataIndicators + model.nConstruct;
    for (int i = 0; i < std::min(lastIndicator, model.nIndicator); ++i)
        if (model.indicators[i].construct >= 0)
            if (std::string error = addToScore(model, table, i); !error.empty()) return error;
    return {};
}

}  // namespace qv
