#pragma once

#include <string>

namespace qv {

// printf into the end of a string: the card and listing layouts are given as printf
// formats, and a field wider than its format simply widens the line. Numbers are written
// the same whatever the C library's locale (the GUI's toolkit sets the user's): a point
// before the decimals, no grouping; a figure that shows only zeros has no minus sign.
// Knows the flags "-0+ ", width and precision (also "*"), the lengths h, l, ll, z and the
// kinds d i u x X f F e E g G c s %.
void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The same into a string of its own.
std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qv
