#include "core/editing/PathLabelLayout.h"

#include <algorithm>
#include <cmath>

#include "core/editing/DiagramSegments.h"

namespace qv {
namespace {

// Places along the path tried in turn: the middle first, then ever further from it on
// either side, up to a tenth of the path from either end.
std::vector<double> shares() {
    std::vector<double> tried{0.5};
    for (int step = 1; step <= 16; ++step) {
        tried.push_back(0.5 - 0.025 * step);
        tried.push_back(0.5 + 0.025 * step);
    }
    return tried;
}

LabelBox centredAt(double x, double y, double width, double height, bool stacked) {
    return {x - width / 2, y - height / 2, width, height, stacked};
}

// Every place a label may take, best first: centred on its line in one line, then in two, and
// when neither can be free, just beside the line on either side.
std::vector<LabelBox> candidates(const Segment& segment, const LabelSize& size) {
    const double length = std::hypot(segment.x1 - segment.x0, segment.y1 - segment.y0);
    const double nx = -(segment.y1 - segment.y0) / length, ny = (segment.x1 - segment.x0) / length;
    struct Shape {
        double width, height;
        bool stacked;
    };
    std::vector<Shape> shapes{{size.width, size.height, false}};
    if (size.stackedWidth > 0) shapes.push_back({size.stackedWidth, size.stackedHeight, true});
    std::vector<LabelBox> boxes;
    for (int side : {0, 1, -1})
        for (const Shape& shape : shapes) {
            // From the box's centre to its edge along the normal, and a gap.
            const double offset = side * (std::abs(nx) * shape.width / 2 + std::abs(ny) * shape.height / 2 + 2);
            for (double share : shares())
                boxes.push_back(centredAt(segment.x0 + share * (segment.x1 - segment.x0) + offset * nx,
                                          segment.y0 + share * (segment.y1 - segment.y0) + offset * ny, shape.width,
                                          shape.height, shape.stacked));
        }
    return boxes;
}

}  // namespace

bool LabelBox::overlaps(const LabelBox& other) const { return overlapArea(other) > 0; }

double LabelBox::overlapArea(const LabelBox& other) const {
    const double w = std::min(right(), other.right()) - std::max(left, other.left);
    const double h = std::min(bottom(), other.bottom()) - std::max(top, other.top);
    return w > 0 && h > 0 ? w * h : 0;
}

bool LabelBox::coversCircle(double x, double y, double radius) const {
    const double dx = x - std::clamp(x, left, right());
    const double dy = y - std::clamp(y, top, bottom());
    return dx * dx + dy * dy < radius * radius;
}

std::vector<std::optional<LabelBox>> PlacePathLabels(const ProjectModel& model, double radius,
                                                     const std::vector<LabelSize>& sizes,
                                                     const std::vector<LabelBox>& obstacles) {
    std::vector<std::optional<LabelBox>> placed(model.nPath);
    std::vector<std::vector<LabelBox>> choices(model.nPath);
    for (int p = 0; p < model.nPath && p < int(sizes.size()); ++p) {
        const auto segment = VisiblePathPart(model, model.paths[p], radius);
        if (segment && sizes[p].width > 0) choices[p] = candidates(*segment, sizes[p]);
    }
    // A label covering a circle hides the construct, which weighs more than a cut corner.
    const auto cost = [&](int path, const LabelBox& box) {
        double covered = 0;
        for (const LabelBox& other : obstacles) covered += box.overlapArea(other);
        for (int p = 0; p < model.nPath; ++p)
            if (p != path && placed[p]) covered += box.overlapArea(*placed[p]);
        for (int c = 0; c < model.nConstruct; ++c) {
            const Construct& k = model.constructs[c];
            if (k.construct == -1 && box.coversCircle(k.x, k.y, radius)) covered += box.width * box.height;
        }
        return covered;
    };
    // The first free place, else the one that covers least.
    const auto place = [&](int path) {
        placed[path].reset();
        double least = 0;
        for (const LabelBox& box : choices[path]) {
            const double covered = cost(path, box);
            if (!placed[path] || covered < least) {
                placed[path] = box;
                least = covered;
            }
            if (covered == 0) break;
        }
        return least;
    };
    for (int p = 0; p < model.nPath; ++p)
        if (!choices[p].empty()) place(p);
    // A label placed early may stand where a later one had no other place: a label that still
    // covers something looks again with all the others where they are, a few rounds at most.
    constexpr int kRounds = 4;
    for (int round = 0; round < kRounds; ++round) {
        bool moved = false;
        for (int p = 0; p < model.nPath; ++p) {
            if (!placed[p] || cost(p, *placed[p]) == 0) continue;
            place(p);
            moved = true;
        }
        if (!moved) break;
    }
    return placed;
}

}  // namespace qv
