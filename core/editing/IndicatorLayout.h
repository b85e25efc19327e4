#pragma once

#include <optional>
#include <vector>

#include "core/editing/PathLabelLayout.h"
#include "core/model/ProjectModel.h"

namespace qv {

enum class IndicatorSide { Left, Right, Above, Below };

// Where an indicator is drawn: its box, and its arrow from the edge of its construct's circle to
// the middle of the box's side that faces the construct.
struct IndicatorPlace {
    LabelBox box;
    double circleX = 0, circleY = 0;
    double boxX = 0, boxY = 0;
};

// The side of the construct that its paths leave freest: the one furthest in angle from every
// path to or from it (above for a construct without paths).
IndicatorSide FreestSide(const ProjectModel& model, int construct);

// Each indicator of a drawn construct as a box of its width (and the common height) beside its
// construct, on the freest side: a column to the left or right, rows of at most four above or
// below, clear of the caption above the circle and of the figures below it. A box the user
// placed stands where it was put instead. Indicators of no construct, or of a member of a
// second-order construct, get nothing.
std::vector<std::optional<IndicatorPlace>> PlaceIndicators(const ProjectModel& model, double radius,
                                                           const std::vector<double>& widths, double height);

}  // namespace qv
