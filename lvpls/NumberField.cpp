#include "lvpls/NumberField.h"

#include <cmath>
#include <cstdio>

namespace lvpls {
namespace {

constexpr int kNumberWidth = kFieldWidth - 1;

int formatFixed(char* buffer, std::size_t size, double value) {
    for (int decimals = 6; decimals >= 0; --decimals) {
        const int length = std::snprintf(buffer, size, "%.*f", decimals, value);
        if (length <= kNumberWidth) return length;
    }
    return -1;
}

}  // namespace

void appendField(std::string& out, double value) {
    char buffer[64];
    int length = std::isfinite(value) ? formatFixed(buffer, sizeof buffer, value) : -1;
    if (length < 0 && std::isfinite(value)) {
        for (int digits = 3; digits >= 0 && (length < 0 || length > kNumberWidth); --digits) {
            length = std::snprintf(buffer, sizeof buffer, "%.*e", digits, value);
        }
    }
    if (length < 0 || length > kNumberWidth) length = std::snprintf(buffer, sizeof buffer, "NaN");
    out.append(std::size_t(kFieldWidth - length), ' ');
    out.append(buffer, std::size_t(length));
}

void appendPadded(std::string& out, std::string_view text, std::size_t width) {
    text = text.substr(0, width);
    out.append(text);
    out.append(width - text.size(), ' ');
}

void appendRightAligned(std::string& out, std::string_view text, std::size_t width) {
    text = text.substr(0, width);
    out.append(width - text.size(), ' ');
    out.append(text);
}

}  // namespace lvpls
