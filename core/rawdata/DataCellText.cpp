#include "core/rawdata/DataCellText.h"

#include <algorithm>

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

}  // namespace qv
