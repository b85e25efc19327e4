#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// One construct's line of the "_ave.csv" file. The ratios are missing when their divisor
// is 0, as for a construct without indicators.
struct ReliabilityRow {
    std::string construct;
    std::optional<double> compositeReliability;
    std::optional<double> ave;
    double cronbachAlpha = 0;
};

// Composite reliability S^2 / (S^2 + E) and average variance extracted Q / (Q + E) of each
// construct, S, Q and E being the sums of the loadings, squared loadings and residual
// variances of its indicators among the first indicatorCount, summed in single precision as
// the engine prints them. The alpha is the construct's CronbachAlpha as it stands.
std::vector<ReliabilityRow> ComputeReliability(const ProjectModel& model, int indicatorCount);

// The two header lines, then "%s,%f,%f,%f" per construct; a missing ratio reads "N.A.".
std::string FormatReliabilityTable(const std::vector<ReliabilityRow>& rows);

}  // namespace qv
