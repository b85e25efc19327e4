#include "core/results/LoadingsTable.h"

#include "core/engine/AppendFormat.h"
#include "core/rawdata/ColumnStatistics.h"
#include "core/results/RawValues.h"
#include "core/results/CsvText.h"

namespace qv {

LoadingsTable ComputeLoadingsTable(const ProjectModel& model, const RawDataTable& table,
                                   int indicatorCount, std::optional<double> missingCode) {
    LoadingsTable result;
    for (int c = 0; c < model.nConstruct; ++c) {
        LoadingBlock block{model.constructs[c].caption, {}};
        for (int i = 0; i < indicatorCount; ++i) {
            const Indicator& indicator = model.indicators[i];
            if (indicator.construct != c || indicator.loading == 0) continue;
            const ColumnNumbers values = PresentValues(table, i + 1, missingCode);
            if (!values.error.empty()) {
                result.error = values.error;
                return result;
            }
            const ColumnStatistics statistics = statisticsOf(values.values);
            block.rows.push_back({indicator.caption, statistics.mean, statistics.standardDeviation,
                                  indicator.loading, indicator.residual, indicator.weight});
        }
        result.blocks.push_back(std::move(block));
    }
    return result;
}

std::string FormatLoadingsTable(const std::vector<LoadingBlock>& blocks) {
    std::string text = "Construct,Indicator,Mean,Stdev,Loading,Residual,Weight";
    for (const LoadingBlock& block : blocks) {
        text += "\n" + CsvText(block.construct);
        for (const LoadingRow& row : block.rows)
            AppendFormat(text, "\n,%s,%f,%f,%f,%f,%f", CsvText(row.indicator).c_str(), row.mean, row.stdev,
                         row.loading, row.residual, row.weight);
    }
    return text;
}

}  // namespace qv
