#include "core/model/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace qv {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<int> parseInteger(std::string_view text) {
    std::string_view digits = trimmed(text);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// from_chars reads the C locale's format whatever locale the GUI sets, and takes no
// "nan" or "inf" as a number; a leading "+" is allowed as in typed entries.
std::optional<double> parseNumber(std::string_view text) {
    std::string_view number = trimmed(text);
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    return parsePlainNumber(number);
}

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Data files hold millions of short decimals such as "3.25". One of at most 15 digits is
// its digits as an integer divided by a power of ten, both exact in a double, so a single
// correctly rounded division gives the value from_chars gives, at a fraction of the cost.
std::optional<double> shortDecimal(std::string_view text) {
    size_t at = !text.empty() && text.front() == '-' ? 1 : 0;
    const bool negative = at == 1;
    uint64_t digits = 0;
    size_t count = 0;
    size_t decimals = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            if (++count > 15) return std::nullopt;
            digits = digits * 10 + static_cast<uint64_t>(c - '0');
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0) return std::nullopt;
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

}  // namespace

std::optional<double> parsePlainNumber(std::string_view text) {
    if (const auto value = shortDecimal(text)) return value;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {
std::string quoted(std::string_view text, std::string_view what) {
    std::string message;
    message.append("'").append(text).append("' is not a valid ").append(what);
    return message;
}
}  // namespace

std::string integerConversionError(std::string_view text) {
    return quoted(text, "integer value");
}

std::string numberConversionError(std::string_view text) {
    return quoted(text, "floating point value");
}

}  // namespace qv
