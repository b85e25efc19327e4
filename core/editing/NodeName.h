#pragma once

#include <string>

#include "core/model/ProjectModel.h"

namespace qv {

// The model element behind a tree node: the element with the longest caption the node text
// begins with, where the caption is followed by nothing, by the blanks before the figures of
// an estimate or, for construct nodes, by the mode in parentheses. Names may hold blanks.
// -1 when the node names no such element.
int IndicatorOfNode(const ProjectModel& model, const std::string& nodeText);
int ConstructOfNode(const ProjectModel& model, const std::string& nodeText);

// First element, in index order, whose caption equals the name exactly; -1 when none.
int FindIndicator(const ProjectModel& model, const std::string& name);
int FindConstruct(const ProjectModel& model, const std::string& name);

}  // namespace qv
