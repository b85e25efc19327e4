#pragma once

#include <optional>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// A label's rectangle on the diagram, in model coordinates.
struct LabelBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool stacked = false;  // the text in two lines

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    // Rectangles that only touch do not overlap.
    bool overlaps(const LabelBox& other) const;
    double overlapArea(const LabelBox& other) const;
    // Whether the rectangle reaches inside the circle.
    bool coversCircle(double x, double y, double radius) const;
};

struct LabelSize {
    double width = 0;  // 0: the path has no label
    double height = 0;
    // The label in two lines (coefficient over t value), narrower; 0: it has one line only.
    double stackedWidth = 0;
    double stackedHeight = 0;
};

// Places each path's label, of its measured size, centred on the middle of the part of the path
// between the circles. A label that would cover a circle, an obstacle (captions, R-square
// texts) or another label slides along its path to the nearest free place, in two lines when
// one line finds none, and only when its line has no free place at all, to just beside the
// line; when no place is free it takes the one that covers least. Paths without a label or a direction get nothing.
std::vector<std::optional<LabelBox>> PlacePathLabels(const ProjectModel& model, double radius,
                                                     const std::vector<LabelSize>& sizes,
                                                     const std::vector<LabelBox>& obstacles);

}  // namespace qv
