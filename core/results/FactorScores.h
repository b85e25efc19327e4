#pragma once

#include <string>

#include "core/rawdata/RawDataTable.h"

namespace qv {

// The "_fs.csv" text: rows 0 (the names) to N of the grid, columns 0 to lastColumn as the
// cells stand, separated by commas, each row ended by a line break.
std::string FormatFactorScores(const RawDataTable& table, int lastColumn);

}  // namespace qv
