#include "lvpls/DataRecords.h"

#include "lvpls/CardScanner.h"

namespace lvpls {

std::size_t recordLabelLength(std::string_view line) {
    constexpr std::size_t kLabel = 8;
    if (line.substr(0, 4) != "Case") return std::min(kLabel, line.size());
    // A case number wider than four digits pushes the label on; one that runs into a
    // value without a blank ("Case999910000.00") leaves the label at its 8 columns.
    std::size_t end = 4;
    while (end < line.size() && line[end] == ' ') ++end;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
    const bool separated = end >= line.size() || line[end] == ' ' || line[end] == '\t';
    return end > kLabel && separated ? end : std::min(kLabel, line.size());
}

bool readRecordValues(std::string_view line, std::vector<double>& values) {
    values.clear();
    return appendValues(line.substr(recordLabelLength(line)), values);
}

std::optional<int> recordFieldWidth(std::string_view formatCard, int indicators) {
    const std::size_t open = formatCard.find("(2A4,");
    if (open == std::string_view::npos) return std::nullopt;
    CardScanner scanner(formatCard, open + 5);
    const auto count = scanner.integer();
    if (!count || *count != indicators || scanner.peek() != 'F') return std::nullopt;
    scanner.advance();
    const auto width = scanner.integer();
    if (!width || *width < 1 || scanner.peek() != '.') return std::nullopt;
    return width;
}

bool readFixedRecord(std::string_view line, int width, int count, double* out, long stride) {
    const std::size_t label = recordLabelLength(line);
    if (line.size() - label != std::size_t(width) * std::size_t(count)) return false;
    const char* field = line.data() + label;
    for (int i = 0; i < count; ++i, field += width) {
        std::string_view text(field, std::size_t(width));
        const std::size_t first = text.find_first_not_of(' ');
        if (first == std::string_view::npos) return false;
        const auto value = parseValue(text.substr(first));
        if (!value) return false;
        out[long(i) * stride] = *value;
    }
    return true;
}

}  // namespace lvpls
