#pragma once

#include <string>
#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// One indicator's correlations with every construct's score (its loading and cross-loadings).
struct FactorStructureRow {
    std::string indicator;
    int construct = -1;                 // the indicator's own construct
    std::vector<double> correlations;   // per construct, in index order
};

// Rows grouped by construct in index order, each group's indicators in index order.
struct FactorStructure {
    std::vector<FactorStructureRow> rows;
    std::string error;  // the conversion error of a cell that is not a number
};

// Correlates every assigned indicator among the first indicatorCount with every score
// column of the grid (divisor n - 1 throughout); a constant column correlates 0. The grid
// must hold the construct scores; it may hold the standardized indicators.
FactorStructure ComputeFactorStructure(const ProjectModel& model, const RawDataTable& table,
                                       int indicatorCount);

// The "_efa.csv" text and the web report's "efa.html" section.
std::string FormatFactorStructureCsv(const ProjectModel& model, const FactorStructure& structure);
std::string FormatFactorStructureHtml(const ProjectModel& model, const FactorStructure& structure);

}  // namespace qv
