#pragma once

#include <string>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// Fills the grid column of every assigned product indicator with the product of its two
// factor columns (mean-centred and standardized as the indicator asks), then trims the grid
// to the raw variables and product terms. Returns the conversion error of a factor cell that
// is not a number, or an empty text.
std::string ComputeProductColumns(const ProjectModel& model, RawDataTable& table);

}  // namespace qv
