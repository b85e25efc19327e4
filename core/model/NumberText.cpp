#include "core/model/NumberText.h"

#include <charconv>
#include <cmath>

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

std::optional<double> parsePlainNumber(std::string_view text) {
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
