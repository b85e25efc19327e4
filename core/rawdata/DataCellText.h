#pragma once

#include <string>

#include "core/rawdata/FieldSplitter.h"

namespace qv {

// The grid text of a case field. The usual marks of a missing value, NA and a lone point,
// become an empty cell like an empty field, so every missing value is found and replaced
// the same way. In a semicolon-separated file a number with a decimal comma (2,5) is
// written with a point; any other text stays as it is.
std::string dataCellText(std::string field, Separator separator);

}  // namespace qv
