#pragma once

#include <optional>
#include <vector>

#include "core/editing/DiagramSegments.h"

namespace qv {

// How far a construct's result texts (R-square over Q-square) move from their usual place
// under the circle.
struct TextShift {
    double dx = 0;
    double dy = 0;
};

// Each construct's result texts stay under its circle unless a line runs behind them there (a
// path, or an arrow to an indicator) or they would cover a box, a caption or a circle. Then
// they take the first free place of: under the circle right of its centre, under it left of
// its centre, right of the circle, left of it; where none is free, the one that meets least.
// `blocks` holds each construct's texts in their usual place, relative to its centre;
// nothing for a construct without them. Constructs placed earlier are obstacles of later ones.
std::vector<TextShift> PlaceResultTexts(const ProjectModel& model, double radius,
                                        const std::vector<std::optional<LabelBox>>& blocks,
                                        const std::vector<Segment>& arrows, std::vector<LabelBox> obstacles);

}  // namespace qv
