#include "core/results/CsvText.h"

#include <charconv>

namespace qv {
namespace {

bool isNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool looksLikeFormula(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    return std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos && !isNumber(text);
}

}  // namespace

std::string CsvText(std::string_view text) {
    std::string field = looksLikeFormula(text) ? "'" : "";
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string SeparatedText(std::string_view text, char separator) {
    return separator == ',' ? CsvText(text) : std::string(text);
}

}  // namespace qv
