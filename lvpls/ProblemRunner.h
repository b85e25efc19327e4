#pragma once

#include "lvpls/ProblemSplitter.h"

#include <string>

namespace lvpls {

// The complete listing of one problem: its estimate, or its "Error:" line.
std::string runProblem(const ProblemText& text);

}  // namespace lvpls
