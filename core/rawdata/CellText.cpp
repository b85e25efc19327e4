#include "core/rawdata/CellText.h"

#include <cstdio>

namespace qv {

std::string numberCellText(double value) {
    char text[32];
    // Adding zero turns a negative zero into zero, so a zero product never reads "-0".
    std::snprintf(text, sizeof text, "%.15g", value + 0.0);
    return text;
}

}  // namespace qv
