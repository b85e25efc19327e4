#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Cronbach's alpha k (D - V) / (D (k - 1)) of items observed on the same cases: V the sum
// of the item variances, D the variance of the per-case totals (divisor n - 1). Fewer than
// two items or constant totals give 0.
double CronbachAlphaOf(const std::vector<std::vector<double>>& items);

// The grid values of a construct's indicators among the first indicatorCount, one item per
// indicator in index order. error quotes a cell that is not a number.
struct BlockItems {
    std::vector<std::vector<double>> items;
    std::vector<int> indicators;
    std::string error;
};
BlockItems ReadBlockItems(const ProjectModel& model, const RawDataTable& table, int construct,
                          int indicatorCount);

// The items without the cases in which any of them holds the code.
std::vector<std::vector<double>> CompleteCases(std::vector<std::vector<double>> items,
                                               std::optional<double> code);

struct CronbachAlphas {
    std::vector<double> alphas;  // per construct, in index order
    std::string error;           // the conversion error of a data cell that is not a number
};

// The alpha of every construct over its indicators among the first indicatorCount, from the
// values the grid holds. A case that holds the missing-value code in one of a construct's
// indicators is left out of that construct's alpha.
CronbachAlphas ComputeCronbachAlphas(const ProjectModel& model, const RawDataTable& table,
                                     int indicatorCount, std::optional<double> missingCode);

}  // namespace qv
