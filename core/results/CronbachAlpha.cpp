#include "core/results/CronbachAlpha.h"

#include <algorithm>

#include "core/rawdata/ColumnStatistics.h"

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

std::vector<std::vector<double>> CompleteCases(std::vector<std::vector<double>> items,
                                               std::optional<double> code) {
    if (!code || items.empty()) return items;
    std::vector<std::vector<double>> kept(items.size());
    for (size_t row = 0; row < items[0].size(); ++row) {
        const bool missing = std::any_of(items.begin(), items.end(),
                                         [&](const auto& item) { return item[row] == *code; });
        if (missing) continue;
        for (size_t i = 0; i < items.size(); ++i) kept[i].push_back(items[i][row]);
    }
    return kept;
}

double CronbachAlphaOf(const std::vector<std::vector<double>>& items) {
    const double k = static_cast<double>(items.size());
    if (items.size() < 2) return 0;
    std::vector<double> totals(items[0].size(), 0.0);
    double itemVariances = 0;
    for (const std::vector<double>& item : items) {
        for (size_t row = 0; row < totals.size(); ++row) totals[row] += item[row];
        itemVariances += varianceOf(item);
    }
    const double totalVariance = varianceOf(totals);
    if (totalVariance == 0) return 0;
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
        result.alphas.push_back(CronbachAlphaOf(CompleteCases(std::move(block.items), missingCode)));
    }
    return result;
}

}  // namespace qv
