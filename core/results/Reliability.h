#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// One construct's line of the "_ave.csv" file. A figure is missing where it is undefined:
// composite reliability and alpha of a construct with a single indicator, every figure of a
// formative (Mode B) block, and a ratio whose divisor is 0 (a construct without indicators).
struct ReliabilityRow {
    std::string construct;
    std::optional<double> compositeReliability;
    std::optional<double> ave;
    std::optional<double> cronbachAlpha;
};

// Composite reliability S^2 / (S^2 + E) and average variance extracted Q / (Q + E) of each
// construct, S, Q and E being the sums of the loadings, squared loadings and residual
// variances of its indicators among the first indicatorCount, summed in single precision as
// the engine prints them. The alpha is the construct's CronbachAlpha as it stands.
std::vector<ReliabilityRow> ComputeReliability(const ProjectModel& model, int indicatorCount);

// A figure as "%f", or "n/a" when it is undefined.
std::string ReliabilityFigureText(const std::optional<double>& figure);

// Says which treatment of missing data the alpha took, for the tables' headers.
inline constexpr const char* kAlphaMissingDataNote = "missing values replaced by the indicator mean";

// The two header lines, then "%s,%s,%s,%s" per construct with the figures' texts.
std::string FormatReliabilityTable(const std::vector<ReliabilityRow>& rows);

}  // namespace qv
