#pragma once

#include <string>

namespace qv {

// A figure with a fixed number of decimals and "." whatever the locale; "n/a" when it is
// undefined (not finite). A figure that rounds to zero reads without a minus sign.
std::string FigureText(double value, int decimals = 6);

}  // namespace qv
