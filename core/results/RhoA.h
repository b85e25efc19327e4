#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// The reliability rho_A of a block: with the outer weights w scaled so
// that the construct has unit variance (w'Sw = 1) and S the indicators' correlations,
// (w'w)^2 w'(S - diag S)w / ((w'w)^2 - sum w_i^4). One indicator gives 1.
double RhoAOf(const std::vector<std::vector<double>>& items, const std::vector<double>& weights);

// The same from the block's correlations (k rows of k, 1 on the diagonal) and weights of any
// scale; the one formula behind every rho_A the workbench shows.
double RhoAOfCorrelations(const std::vector<std::vector<double>>& correlations,
                          const std::vector<double>& weights);

struct RhoAValues {
    std::vector<std::optional<double>> values;  // per construct; none without indicators of its own
    std::string error;                          // a data cell that is not a number
};

// rho_A of every construct over its assigned indicators, from the values the grid holds; a
// cell with the missing-value code takes the mean of its indicator's other cells, as in the
// engine.
// Formative blocks keep 1: their weights are not a measurement of a common factor.
RhoAValues ComputeRhoA(const ProjectModel& model, const RawDataTable& table,
                       std::optional<double> missingCode);

}  // namespace qv
