#include "core/results/CronbachAlpha.h"

#include "core/rawdata/ColumnStatistics.h"
#include "core/results/MeanReplacement.h"

namespace qv {
namespace {

double varianceOf(const std::vector<double>& values) {
    const double deviation = statisticsOf(values).standardDeviation;
    return deviation * deviation;
}

}  // namespace

BlockItems ReadBlockItems(const ProjectModel& model, const RawDataTable& table, int construct,
                          int indicatorCount) {
    BlockItems block;
    for (int i = 0; i < indicatorCount; ++i) {
        if (model.indicators[i].construct != construct) continue;
        ColumnNumbers values = columnNumbers(table, i + 1);
        if (!values.error.empty()) {
            block.error = values.error;
            return block;
        }
        block.items.push_back(std::move(values.values));
        block.indicators.push_back(i);
    }
    return block;
}

std::vector<std::vector<double>> MeanReplaced(std::vector<std::vector<double>> items,
                                              std::optional<double> code) {
    for (std::vector<double>& item : items) ReplaceMissingByMean(item, code);
    return items;
}

std::optional<double> CronbachAlphaOf(const std::vector<std::vector<double>>& items) {
    const double k = static_cast<double>(items.size());
    if (items.size() < 2) return std::nullopt;
    std::vector<double> totals(items[0].size(), 0.0);
    double itemVariances = 0;
    for (const std::vector<double>& item : items) {
        for (size_t row = 0; row < totals.size(); ++row) totals[row] += item[row];
        itemVariances += varianceOf(item);
    }
    const double totalVariance = varianceOf(totals);
    if (totalVariance == 0) return std::nullopt;
    return k * (totalVariance - itemVariances) / (totalVariance * (k - 1));
}

CronbachAlphas ComputeCronbachAlphas(const ProjectModel& model, const RawDataTable& table,
                                     int indicatorCount, std::optional<double> missingCode) {
    CronbachAlphas result;
    for (int c = 0; c < model.nConstruct; ++c) {
        BlockItems block = ReadBlockItems(model, table, c, indicatorCount);
        if (!block.error.empty()) {
            result.error = block.error;
            return result;
        }
        result.alphas.push_back(CronbachAlphaOf(MeanReplaced(std::move(block.items), missingCode)));
    }
    return result;
}

}  // namespace qv
