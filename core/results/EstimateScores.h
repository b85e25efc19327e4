#pragma once

#include <optional>
#include <string>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// The indicators the result tables cover: the raw variables and product terms, and after a
// two-stage estimate also the score indicators that carry the first-order constructs' scores.
int ResultIndicatorCount(const ProjectModel& model, const RawDataTable& table);

// The construct scores at the stage of the last estimate, counting the score indicators
// while they are computed. Returns the conversion error of a cell that is not a number.
std::string ComputeEstimateScores(ProjectModel& model, RawDataTable& table,
                                  std::optional<double> missingCode);

}  // namespace qv
