#pragma once

#include "core/model/IniFile.h"
#include "core/model/ModelFileEntries.h"
#include "core/model/ProjectModel.h"

namespace qv {

// The diagram places of the indicator boxes the user moved, in the model file's [IndicatorBox]
// section (one older readers skip): DX_n and DY_n, the box's centre from its construct's centre,
// for each placed indicator n. A model with no box moved writes no section.
void WriteIndicatorBoxes(IniFile& ini, const ProjectModel& model, int nIndicator);
// A place that is not a pair of integers in range is reported and the box laid out again.
void ReadIndicatorBoxes(const IniFile& ini, ModelFileEntries& entries, ProjectModel& model);

}  // namespace qv
