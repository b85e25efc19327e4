#pragma once

#include <optional>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

struct DiagramPoint {
    int x = 0;
    int y = 0;
    bool operator==(const DiagramPoint&) const = default;
};

// Where a path is drawn: from the source centre to the point where it enters the destination
// circle, with the arrow head's two back corners.
struct PathShape {
    DiagramPoint start;
    DiagramPoint end;
    DiagramPoint headLeft;
    DiagramPoint headRight;
};

// Nothing when the two centres coincide (there is no direction to draw).
std::optional<PathShape> ShapeOfPath(const ProjectModel& model, int path, int radius);

// The first visible construct whose square around the circle holds the point strictly; -1 none.
int HitConstruct(const ProjectModel& model, int radius, DiagramPoint point);
// A click this close to a path's line hits it, whatever the line's direction.
inline constexpr double kPathHitPixels = 4;

// The first path whose line between the two centres passes within the tolerance of the point,
// whatever its direction; -1 none.
int HitPath(const ProjectModel& model, DiagramPoint point, double tolerance = kPathHitPixels);

struct Selection {
    std::vector<int> constructs;  // increasing index order
    std::vector<int> paths;
};

// The rubber band from corner a to corner b: the constructs wholly inside; with two or more,
// the paths between them; with none, the paths whose visible segment lies strictly inside.
Selection SelectByRectangle(const ProjectModel& model, int radius, DiagramPoint a, DiagramPoint b);

}  // namespace qv
