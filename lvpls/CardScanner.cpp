#include "lvpls/CardScanner.h"

#include <charconv>
#include <cmath>

namespace lvpls {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Splits "1.0010000.00" into numbers that each end two digits after their point.
bool appendTwoDecimalRun(std::string_view token, std::vector<double>& values) {
    std::size_t i = 0;
    while (i < token.size()) {
        const std::size_t start = i;
        if (token[i] == '-') ++i;
        const std::size_t digits = i;
        while (i < token.size() && isDigit(token[i])) ++i;
        if (i == digits || i + 3 > token.size() || token[i] != '.' || !isDigit(token[i + 1]) ||
            !isDigit(token[i + 2])) {
            return false;
        }
        i += 3;
        values.push_back(*parseValue(token.substr(start, i - start)));
    }
    return true;
}

// Plain decimals of up to 15 digits, the usual data value: the quotient of two exactly
// representable numbers is rounded once, so it equals the correctly rounded decimal.
std::optional<double> plainDecimal(std::string_view text) {
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const bool negative = i == 1;
    long long digits = 0;
    int count = 0;
    int decimals = -1;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!isDigit(text[i]) || ++count > 15) return std::nullopt;
        digits = digits * 10 + (text[i] - '0');
        if (decimals >= 0) ++decimals;
    }
    if (count == 0) return std::nullopt;
    const double value = double(digits) / kPowers[std::max(decimals, 0)];
    return negative ? -value : value;
}

}  // namespace

void CardScanner::skipBlanks() {
    while (position_ < line_.size() && isBlank(line_[position_])) ++position_;
}

bool CardScanner::atEnd() {
    skipBlanks();
    return position_ >= line_.size();
}

std::optional<int> CardScanner::integer() {
    skipBlanks();
    std::size_t i = position_;
    const bool negative = i < line_.size() && line_[i] == '-';
    if (negative) ++i;
    const std::size_t digits = i;
    while (i < line_.size() && isDigit(line_[i]) && i - digits < 9) ++i;
    if (i == digits || (i < line_.size() && isDigit(line_[i]))) return std::nullopt;
    int value = 0;
    std::from_chars(line_.data() + digits, line_.data() + i, value);
    position_ = i;
    return negative ? -value : value;
}

std::string_view CardScanner::word() {
    skipBlanks();
    const std::size_t start = position_;
    while (position_ < line_.size() && !isBlank(line_[position_])) ++position_;
    return line_.substr(start, position_ - start);
}

std::optional<double> parseValue(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (const auto value = plainDecimal(text)) return value;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool appendValues(std::string_view text, std::vector<double>& values) {
    CardScanner scanner(text);
    for (std::string_view token = scanner.word(); !token.empty(); token = scanner.word()) {
        if (const auto value = parseValue(token)) {
            values.push_back(*value);
        } else if (!appendTwoDecimalRun(token, values)) {
            return false;
        }
    }
    return true;
}

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 24;
    std::string result = "'";
    for (char c : text.substr(0, kShown)) {
        result += (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) ? '?' : c;
    }
    return result + (text.size() > kShown ? "...'" : "'");
}

}  // namespace lvpls
