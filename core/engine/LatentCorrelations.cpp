#include "core/engine/LatentCorrelations.h"

#include <algorithm>

#include "core/engine/ListingRun.h"

namespace qv {
namespace {

constexpr int kPanelColumns = 12;
constexpr TextPos kFieldWidth = 10;

}  // namespace

std::optional<LatentCorrelations> ReadLatentCorrelations(std::string_view listing,
                                                         std::string_view title, int size) {
    const RunText run = FindRunText(listing, title);
    const std::string_view text = listing.substr(0, static_cast<size_t>(run.end));
    const TextPos heading = FindText(text, run.begin, "Correlations ");
    if (heading == kNotFound || size < 0) return std::nullopt;
    LatentCorrelations matrix{
        size, std::vector<double>(static_cast<size_t>(size) * static_cast<size_t>(size))};
    TextPos line = SkipLines(text, heading, 4);
    for (int first = 0; first < size; first += kPanelColumns) {
        // A later panel's first row stands 8 lines below the previous panel's last row.
        if (first > 0) line = SkipLines(text, line, 8);
        for (int row = first; row < size; ++row) {
            const int last = std::min(row, first + kPanelColumns - 1);
            for (int column = first; column <= last; ++column) {
                float value = 0;
                if (!ReadNumberField(text, line + kFieldWidth * (1 + column - first), value))
                    continue;
                matrix.values[static_cast<size_t>(row * size + column)] = value;
                matrix.values[static_cast<size_t>(column * size + row)] = value;
            }
            line = SkipLines(text, line, 1);
        }
    }
    return matrix;
}

}  // namespace qv
