#pragma once

#include <optional>
#include <string>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Standardizes every assigned raw and product column in place and writes each construct's
// score (the weighted sum of its standardized indicators) into the score column behind the
// product terms, headed by the construct's caption. At stage 2 the score indicators count
// too, so a second-order construct scores from its members' scores. Returns the conversion
// error of a cell that is not a number, or an empty text. Cells holding the missing-value
// code take their column's mean first, as the engine does, so the scores are the engine's.
std::string ComputeConstructScores(const ProjectModel& model, RawDataTable& table, int stage,
                                   std::optional<double> missingCode = std::nullopt);

// The first stage's scores for the second stage: the score columns as above, while the raw
// and product columns keep their values, so the next estimate reads the data this one read.
std::string AddFirstStageScores(const ProjectModel& model, RawDataTable& table,
                                std::optional<double> missingCode);

// The grid column that holds construct k's score.
int scoreColumn(const ProjectModel& model, const RawDataTable& table, int construct);

}  // namespace qv
