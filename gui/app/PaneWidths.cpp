#include "gui/app/PaneWidths.h"

#include <algorithm>

namespace qv::gui {
namespace {
constexpr int kResultsWidth = 520;
}

int FirstResultsWidth(int window) { return std::min(kResultsWidth, window / 3); }

SplitterWidths ShareTheSplitter(int room, int treeFigures, int diagramLeast) {
    SplitterWidths widths;
    widths.tree = std::clamp(treeFigures, 0, std::max(0, room - diagramLeast));
    widths.diagram = room - widths.tree;
    return widths;
}

}  // namespace qv::gui
