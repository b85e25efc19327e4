#pragma once

#include <string>

#include "core/model/ProjectModel.h"

namespace qv {

// The model element behind a tree node: the first 8 characters (not bytes) of the node text, cut at the
// first blank (indicator lines pad the caption) and, for construct nodes, at the first "("
// (the mode follows the caption in parentheses).
std::string NodeName(const std::string& nodeText, bool cutAtParenthesis);

// First element, in index order, whose caption equals the name exactly; -1 when none.
int FindIndicator(const ProjectModel& model, const std::string& name);
int FindConstruct(const ProjectModel& model, const std::string& name);

}  // namespace qv
