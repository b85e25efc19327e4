#include "core/assessment/FigureText.h"

#include <charconv>
#include <cmath>

namespace qv {

std::string FigureText(double value, int decimals) {
    if (!std::isfinite(value)) return "n/a";
    char text[64];
    auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) return "n/a";
    std::string figure(text, end);
    if (figure.front() == '-' && figure.find_first_not_of("-0.") == std::string::npos) figure.erase(0, 1);
    return figure;
}

}  // namespace qv
