#include "core/editing/DiagramGeometry.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

DiagramPoint centreOf(const ProjectModel& model, int construct) {
    return {model.constructs[construct].x, model.constructs[construct].y};
}

// Triangle corner at distance 10 from the end, turned 20 degrees off the back direction.
DiagramPoint headCorner(DiagramPoint end, float vx, float vy, float turn) {
    constexpr float kAngle = 0.34906584f;
    constexpr float kLength = 10;
    const float c = std::cos(kAngle);
    const float s = std::sin(kAngle) * turn;
    return {static_cast<int>(end.x + kLength * (c * vx - s * vy)), static_cast<int>(end.y + kLength * (s * vx + c * vy))};
}

double distance(DiagramPoint a, DiagramPoint b) { return std::hypot(double(b.x - a.x), double(b.y - a.y)); }

double distanceToSegment(DiagramPoint p, DiagramPoint a, DiagramPoint b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double squared = dx * dx + dy * dy;
    if (squared == 0) return distance(p, a);
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The part of a path outside both circles; nothing when the centres coincide.
std::optional<std::pair<DiagramPoint, DiagramPoint>> visibleSegment(const ProjectModel& model, const Path& path,
                                                                     int radius) {
    const DiagramPoint s = centreOf(model, path.src);
    const DiagramPoint d = centreOf(model, path.dest);
    const double length = distance(s, d);
    if (length == 0) return std::nullopt;
    const double ux = (d.x - s.x) / length;
    const double uy = (d.y - s.y) / length;
    return std::pair{DiagramPoint{static_cast<int>(s.x + radius * ux), static_cast<int>(s.y + radius * uy)},
                     DiagramPoint{static_cast<int>(d.x - radius * ux), static_cast<int>(d.y - radius * uy)}};
}

}  // namespace

std::optional<PathShape> ShapeOfPath(const ProjectModel& model, int path, int radius) {
    const DiagramPoint s = centreOf(model, model.paths[path].src);
    const DiagramPoint d = centreOf(model, model.paths[path].dest);
    const double length = distance(s, d);
    if (length == 0) return std::nullopt;
    PathShape shape;
    shape.start = s;
    shape.end = {static_cast<int>(d.x - radius * (d.x - s.x) / length), static_cast<int>(d.y - radius * (d.y - s.y) / length)};
    float vx = static_cast<float>(s.x - shape.end.x);
    float vy = static_cast<float>(s.y - shape.end.y);
    const float back = std::sqrt(vx * vx + vy * vy);
    if (back > 0) {
        vx /= back;
        vy /= back;
    }
    shape.headLeft = headCorner(shape.end, vx, vy, 1);
    shape.headRight = headCorner(shape.end, vx, vy, -1);
    return shape;
}

int HitConstruct(const ProjectModel& model, int radius, DiagramPoint point) {
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& construct = model.constructs[c];
        if (construct.construct != -1) continue;
        if (construct.x - radius < point.x && point.x < construct.x + radius && construct.y - radius < point.y &&
            point.y < construct.y + radius)
            return c;
    }
    return -1;
}

int HitPath(const ProjectModel& model, DiagramPoint point, double tolerance) {
    for (int p = 0; p < model.nPath; ++p) {
        const DiagramPoint s = centreOf(model, model.paths[p].src);
        const DiagramPoint d = centreOf(model, model.paths[p].dest);
        if (distanceToSegment(point, s, d) <= tolerance) return p;
    }
    return -1;
}

Selection SelectByRectangle(const ProjectModel& model, int radius, DiagramPoint a, DiagramPoint b) {
    const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    Selection selection;
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& k = model.constructs[c];
        if (k.x - radius >= left && k.x + radius <= right && k.y - radius >= top && k.y + radius <= bottom)
            selection.constructs.push_back(c);
    }
    const auto selected = [&selection](int c) {
        return std::find(selection.constructs.begin(), selection.constructs.end(), c) != selection.constructs.end();
    };
    const auto inside = [&](DiagramPoint p) { return left < p.x && p.x < right && top < p.y && p.y < bottom; };
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[p];
        if (selection.constructs.size() >= 2 && selected(path.src) && selected(path.dest)) selection.paths.push_back(p);
        if (!selection.constructs.empty()) continue;
        const auto segment = visibleSegment(model, path, radius);
        if (segment && inside(segment->first) && inside(segment->second)) selection.paths.push_back(p);
    }
    return selection;
}

}  // namespace qv
