#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Cronbach's alpha k (D - V) / (D (k - 1)) of items observed on the same cases: V the sum
// of the item variances, D the variance of the per-case totals (divisor n - 1). Undefined
// (none) for fewer than two items or constant totals.
std::optional<double> CronbachAlphaOf(const std::vector<std::vector<double>>& items);

// The grid values of a construct's indicators among the first indicatorCount, one item per
// indicator in index order. error quotes a cell that is not a number.
struct BlockItems {
    std::vector<std::vector<double>> items;
    std::vector<int> indicators;
    std::string error;
};
BlockItems ReadBlockItems(const ProjectModel& model, const RawDataTable& table, int construct,
                          int indicatorCount);

// The items with the engine's treatment of missing data: a cell that holds the code takes
// the mean of its item's other cells.
std::vector<std::vector<double>> MeanReplaced(std::vector<std::vector<double>> items,
                                              std::optional<double> code);

struct CronbachAlphas {
    std::vector<std::optional<double>> alphas;  // per construct, in index order
    std::string error;  // the conversion error of a data cell that is not a number
};

// The alpha of every construct over its indicators among the first indicatorCount, from the
// values the grid holds, missing data treated as the engine treats it: a cell that holds the
// missing-value code takes the mean of its indicator's other cells.
CronbachAlphas ComputeCronbachAlphas(const ProjectModel& model, const RawDataTable& table,
                                     int indicatorCount, std::optional<double> missingCode);

}  // namespace qv
