#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/rawdata/CaseFilter.h"

namespace qv {

// A condition typed as text: a variable name, an operator (= > < >= <= <>) and a value, as in
// "gender=1", "age>=30" or "city<>\"Rome\"". The value's form gives the data type: quoted
// text is a String (without its quotes), a number with a point a Float, anything else an
// Integer. variableNames are the raw-data variables in column order.
std::optional<CaseCondition> ParseConditionText(const std::string& text,
                                                const std::vector<std::string>& variableNames,
                                                std::string& error);

}  // namespace qv
