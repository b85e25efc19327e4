#pragma once

#include <string>
#include <string_view>

#include "core/rawdata/FieldSplitter.h"

namespace qv {

// The grid text of a case field. The usual marks of a missing value, NA and a lone point,
// become an empty cell like an empty field, so every missing value is found and replaced
// the same way. In a semicolon-separated file a number with a decimal comma (2,5) is
// written with a point; any other text stays as it is.
std::string dataCellText(std::string field, Separator separator);

// The largest magnitude a data value may have: beyond it the engine's fixed-point fields and
// its sums of squares lose the precision the estimates need.
inline constexpr double kLargestDataValue = 1e15;

// Why a cell written as a number is no value the engine can take: not finite, or beyond
// ±kLargestDataValue. Empty for numbers in range and for any other text.
std::string NumberCellProblem(std::string_view text);

}  // namespace qv
