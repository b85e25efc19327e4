#include "lvpls/NumberField.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace lvpls {
namespace {

constexpr int kNumberWidth = kFieldWidth - 1;

// printf's "%.*f" or "%.*e" in the C locale, whatever locale the process runs in.
int printed(char* buffer, std::size_t size, double value, std::chars_format style, int precision) {
    const auto result = std::to_chars(buffer, buffer + size, value, style, precision);
    return result.ec == std::errc() ? int(result.ptr - buffer) : -1;
}

int formatFixed(char* buffer, std::size_t size, double value) {
    for (int decimals = 6; decimals >= 0; --decimals) {
        const int length = printed(buffer, size, value, std::chars_format::fixed, decimals);
        if (length >= 0 && length <= kNumberWidth) return length;
    }
    return -1;
}

}  // namespace

void appendField(std::string& out, double value) {
    char buffer[64];
    int length = std::isfinite(value) ? formatFixed(buffer, sizeof buffer, value) : -1;
    if (length < 0 && std::isfinite(value)) {
        for (int digits = 3; digits >= 0 && (length < 0 || length > kNumberWidth); --digits) {
            length = printed(buffer, sizeof buffer, value, std::chars_format::scientific, digits);
        }
    }
    if (length < 0 || length > kNumberWidth) {
        std::memcpy(buffer, "NaN", 3);
        length = 3;
    }
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
