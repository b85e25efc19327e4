#include "core/results/RhoA.h"

#include <cmath>

#include "core/rawdata/ColumnStatistics.h"
#include "core/results/CronbachAlpha.h"

namespace qv {
namespace {

double correlation(const std::vector<double>& x, const std::vector<double>& y) {
    const ColumnStatistics sx = statisticsOf(x), sy = statisticsOf(y);
    if (sx.standardDeviation == 0 || sy.standardDeviation == 0 || x.size() < 2) return 0;
    double sum = 0;
    for (size_t row = 0; row < x.size(); ++row) sum += (x[row] - sx.mean) * (y[row] - sy.mean);
    return sum / (static_cast<double>(x.size() - 1) * sx.standardDeviation * sy.standardDeviation);
}

}  // namespace

double RhoAOfCorrelations(const std::vector<std::vector<double>>& correlations,
                          const std::vector<double>& weights) {
    const size_t k = weights.size();
    if (k < 2) return 1;
    double variance = 0;  // w'Sw
    for (size_t i = 0; i < k; ++i)
        for (size_t j = 0; j < k; ++j) variance += weights[i] * weights[j] * correlations[i][j];
    if (variance <= 0) return 1;
    double squares = 0, fourths = 0;
    for (const double weight : weights) {
        const double scaled = weight * weight / variance;
        squares += scaled;
        fourths += scaled * scaled;
    }
    // With w'Sw = 1, w'(S - diag S)w is 1 - w'w.
    const double denominator = squares * squares - fourths;
    return denominator == 0 ? 1 : squares * squares * (1 - squares) / denominator;
}

double RhoAOf(const std::vector<std::vector<double>>& items, const std::vector<double>& weights) {
    const size_t k = items.size();
    std::vector<std::vector<double>> correlations(k, std::vector<double>(k, 1.0));
    for (size_t i = 0; i < k; ++i)
        for (size_t j = 0; j < k; ++j)
            if (i != j) correlations[i][j] = correlation(items[i], items[j]);
    return RhoAOfCorrelations(correlations, weights);
}

RhoAValues ComputeRhoA(const ProjectModel& model, const RawDataTable& table,
                       std::optional<double> missingCode) {
    RhoAValues result;
    for (int c = 0; c < model.nConstruct; ++c) {
        BlockItems block = ReadBlockItems(model, table, c, model.nIndicator);
        if (!block.error.empty()) {
            result.error = block.error;
            return result;
        }
        if (block.items.empty()) {
            result.values.push_back(std::nullopt);
            continue;
        }
        std::vector<double> weights;
        for (const int i : block.indicators) weights.push_back(model.indicators[i].weight);
        const bool formative = model.constructs[c].type == 1;
        result.values.push_back(formative ? 1.0 : RhoAOf(MeanReplaced(std::move(block.items), missingCode), weights));
    }
    return result;
}

}  // namespace qv
