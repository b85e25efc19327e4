#include "core/tables/RunResults.h"

#include "core/engine/ListingRun.h"

namespace qv {

std::vector<std::string> ListingEchoLines(std::string_view listing) {
    const RunText run = FindRunText(listing, "ALLSample");
    if (run.title == kNotFound) return {};
    std::vector<std::string> lines;
    TextPos position = SkipLines(listing, run.title, 1);
    while (position < run.end) {
        const std::string line = LineAt(listing, position, listing.size());
        if (line.find_first_not_of(" \r") == std::string::npos) break;
        lines.push_back(line.substr(0, line.find_last_not_of(" \r") + 1));
        position = SkipLines(listing, position, 1);
    }
    return lines;
}

ResultTable RunResults(const std::vector<std::pair<std::string, std::string>>& settings,
                       const std::vector<std::string>& echo) {
    ResultTable table{"run", "Settings and messages", {"Setting", "Value"}, {}, {}};
    for (const auto& [setting, value] : settings)
        table.rows.push_back({TableCell::ofText(setting), TableCell::ofText(value)});
    for (const std::string& line : echo) table.rows.push_back({TableCell::ofText("Engine"), TableCell::ofText(line)});
    return table;
}

}  // namespace qv
