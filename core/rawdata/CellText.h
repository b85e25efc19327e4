#pragma once

#include <string>

namespace qv {

// A computed value written back into the grid: general format, 15 significant digits.
std::string numberCellText(double value);

}  // namespace qv
