#include "core/model/NumberText.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>

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

std::optional<double> parseNumber(std::string_view text) {
    const std::string number(trimmed(text));
    if (number.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || errno == ERANGE) return std::nullopt;
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
