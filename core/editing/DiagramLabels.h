#pragma once

#include <string>

#include "core/model/ProjectModel.h"

namespace qv {

// The result labels of the diagram, formatted as drawn. An empty text draws nothing. After a
// two-group comparison the R-square and path labels follow the model's group display mode
// (0 group 1, 1 group 2, 2 both); whether a label is drawn always follows group 1's value.
std::string RSquareLabel(const ProjectModel& model, int construct);
std::string Q2Label(const Construct& construct);
std::string CoefficientLabel(const ProjectModel& model, int path);
std::string StatisticLabel(const ProjectModel& model, int path);
// The coefficient and its t value as the one label a path carries: "0.557 (12.345)".
std::string PathLabel(const ProjectModel& model, int path);

}  // namespace qv
