#include "core/editing/DiagramSegments.h"

#include <cmath>

namespace qv {

std::optional<Segment> VisiblePathPart(const ProjectModel& model, const Path& path, double radius) {
    const Construct& s = model.constructs[path.src];
    const Construct& d = model.constructs[path.dest];
    const double length = std::hypot(double(d.x - s.x), double(d.y - s.y));
    if (length == 0) return std::nullopt;
    const double ux = (d.x - s.x) / length, uy = (d.y - s.y) / length;
    return Segment{s.x + radius * ux, s.y + radius * uy, d.x - radius * ux, d.y - radius * uy};
}

// Clips the line's parameter range to the box drawn in by a hair (Liang and Barsky): what is
// left lies inside.
bool SegmentCrossesBox(const Segment& segment, const LabelBox& box) {
    constexpr double kHair = 0.5;
    const double dx = segment.x1 - segment.x0, dy = segment.y1 - segment.y0;
    double enter = 0, leave = 1;
    const auto clip = [&](double toward, double room) {
        if (toward == 0) return room > 0;
        const double t = room / toward;
        if (toward < 0) enter = std::max(enter, t);
        else leave = std::min(leave, t);
        return enter < leave;
    };
    return clip(-dx, segment.x0 - (box.left + kHair)) && clip(dx, box.right() - kHair - segment.x0) &&
           clip(-dy, segment.y0 - (box.top + kHair)) && clip(dy, box.bottom() - kHair - segment.y0);
}

}  // namespace qv
