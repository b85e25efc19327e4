#pragma once

#include <vector>

#include "core/groups/GroupStatistic.h"
#include "core/results/ResamplingSummaryTable.h"
#include "core/tables/ResultTable.h"

namespace qv {

// A resampling summary's rows (loadings, weights, paths) with the figures the batch prints:
// estimate, mean, standard error and t, and for a jackknife also its estimate and the
// adjusted error and t.
ResultTable SummaryResults(const SummaryTable& summary);

// The two-group comparison: each path's coefficient, error and t per group, the difference
// and its t with the degrees of freedom.
ResultTable GroupComparisonResults(const std::vector<GroupComparisonRow>& rows, int degreesOfFreedom);

}  // namespace qv
