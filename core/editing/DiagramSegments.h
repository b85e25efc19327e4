#pragma once

#include <optional>

#include "core/editing/PathLabelLayout.h"

namespace qv {

// A straight line of the diagram, from (x0, y0) to (x1, y1).
struct Segment {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The part of a path outside both circles; nothing when the centres coincide.
std::optional<Segment> VisiblePathPart(const ProjectModel& model, const Path& path, double radius);

// Whether the line runs through the inside of the box; a line along an edge or through a
// corner does not.
bool SegmentCrossesBox(const Segment& segment, const LabelBox& box);

}  // namespace qv
