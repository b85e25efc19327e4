#include "core/results/CronbachAlpha.h"

#include <algorithm>

#include "core/rawdata/ColumnStatistics.h"

namespace qv {
namespace {

double varianceOf(const std::vector<double>& values) {
    const double deviation = statisticsOf(values).standardDeviation;
    return deviation * deviation;
}

// The items without the cases in which any of them holds the code.
std::vector<std::vector<double>> completeCases(std::vector<std::vector<double>> items,
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

}  // namespace

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
        std::vector<std::vector<double>> items;
        for (int i = 0; i < indicatorCount; ++i) {
            if (model.indicators[i].construct != c) continue;
            ColumnNumbers values = columnNumbers(table, i + 1);
            if (!values.error.empty()) {
                result.error = values.error;
                return result;
            }
            items.push_back(std::move(values.values));
        }
        result.alphas.push_back(CronbachAlphaOf(completeCases(std::move(items), missingCode)));
    }
    return result;
}

}  // namespace qv
