#include "core/rawdata/DataCellText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/model/BlankTrim.h"
#include "core/model/NumberText.h"

namespace qv {

std::string dataCellText(std::string field, Separator separator) {
    const std::string_view text = trimmedBlanks(field);
    if (text.empty() || text == "NA" || text == ".") return {};
    if (separator == Separator::Semicolon && std::count(text.begin(), text.end(), ',') == 1 &&
        text.find('.') == std::string_view::npos) {
        std::string pointed = field;
        std::replace(pointed.begin(), pointed.end(), ',', '.');
        if (parseNumber(pointed)) return pointed;
    }
    return field;
}

std::string NumberCellProblem(std::string_view text) {
    std::string_view number = trimmedBlanks(text);
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    // Nearly every cell is a plain number in range: it is passed without a message written.
    if (const auto plain = parsePlainNumber(number); plain && std::fabs(*plain) <= kLargestDataValue) return {};
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || end != number.data() + number.size()) return {};
    const std::string quoted = "'" + std::string(text) + "'";
    if (error == std::errc::result_out_of_range) return quoted + " is beyond the range of numbers";
    if (!std::isfinite(value)) return quoted + " is not a finite number";
    if (std::fabs(value) > kLargestDataValue) return quoted + " lies beyond ±1e15";
    return {};
}

}  // namespace qv
