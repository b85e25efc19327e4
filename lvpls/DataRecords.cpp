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

}  // namespace lvpls
