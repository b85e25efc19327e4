#pragma once

#include <string>
#include <vector>

namespace qv {

// Why a data file's variable names cannot be taken: a name longer than the limit in
// characters, or more names than a table holds. Empty when they can.
std::string VariableNamesError(const std::vector<std::string>& names);
// Why a file of this many variables cannot be read; empty when it can.
std::string VariableCountError(size_t count);

}  // namespace qv
