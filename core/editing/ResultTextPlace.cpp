#include "core/editing/ResultTextPlace.h"

namespace qv {
namespace {

constexpr double kGap = 4;  // between the texts and the circle or the centre line

// The usual place first, then the others in the order of preference.
std::vector<TextShift> shiftsTried(const LabelBox& block, double radius) {
    return {{0, 0},
            {kGap - block.left, 0},
            {-kGap - block.width - block.left, 0},
            {radius + kGap - block.left, -block.height / 2 - block.top},
            {-radius - kGap - block.width - block.left, -block.height / 2 - block.top}};
}

LabelBox moved(const LabelBox& block, const Construct& construct, TextShift shift) {
    LabelBox box = block;
    box.left += construct.x + shift.dx;
    box.top += construct.y + shift.dy;
    return box;
}

}  // namespace

std::vector<TextShift> PlaceResultTexts(const ProjectModel& model, double radius,
                                        const std::vector<std::optional<LabelBox>>& blocks,
                                        const std::vector<Segment>& arrows, std::vector<LabelBox> obstacles) {
    std::vector<Segment> lines = arrows;
    for (int p = 0; p < model.nPath; ++p)
        if (const auto line = VisiblePathPart(model, model.paths[p], radius)) lines.push_back(*line);
    // What a place meets: every line behind it, every box or circle under it.
    const auto meets = [&](const LabelBox& box) {
        int count = 0;
        for (const Segment& line : lines) count += SegmentCrossesBox(line, box);
        for (const LabelBox& other : obstacles) count += box.overlaps(other);
        for (int c = 0; c < model.nConstruct; ++c) {
            const Construct& k = model.constructs[c];
            count += k.construct == -1 && box.coversCircle(k.x, k.y, radius);
        }
        return count;
    };
    std::vector<TextShift> shifts(model.nConstruct);
    for (int c = 0; c < model.nConstruct && c < int(blocks.size()); ++c) {
        if (!blocks[c]) continue;
        int least = -1;
        for (const TextShift& shift : shiftsTried(*blocks[c], radius)) {
            const int count = meets(moved(*blocks[c], model.constructs[c], shift));
            if (least < 0 || count < least) {
                least = count;
                shifts[c] = shift;
            }
            if (count == 0) break;
        }
        obstacles.push_back(moved(*blocks[c], model.constructs[c], shifts[c]));
    }
    return shifts;
}

}  // namespace qv
