#include "core/rawdata/CellText.h"

#include <charconv>

namespace qv {

std::string numberCellText(double value) {
    char text[32];
    // Adding zero turns a negative zero into zero, so a zero product never reads "-0"; the
    // text has a point whatever the locale.
    const auto end = std::to_chars(text, text + sizeof text, value + 0.0, std::chars_format::general, 15).ptr;
    return std::string(text, end);
}

}  // namespace qv
