#pragma once

#include <string>

namespace qv {

// printf into the end of a string: the card and listing layouts are given as printf
// formats, and a field wider than its format simply widens the line.
void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace qv
