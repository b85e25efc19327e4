#pragma once

#include <string>

#include "core/model/ProjectModel.h"
#include "core/results/ResamplingStore.h"

namespace qv {

// The per-subsample sections appended to the summaries when the resampling process is to be
// included: every loading, weight and path coefficient of every kept subsample, as the
// statistics took them (aligned with the entire sample).
std::string FormatTextProcess(const ProjectModel& model, const ResamplingStore& store);
std::string FormatCsvProcess(const ProjectModel& model, const ResamplingStore& store);

}  // namespace qv
