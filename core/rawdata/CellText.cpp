#include "core/rawdata/CellText.h"

#include <cstdio>

namespace qv {

std::string numberCellText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace qv
