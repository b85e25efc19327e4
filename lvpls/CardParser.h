#pragma once

#include "lvpls/Problem.h"
#include "lvpls/ProblemSplitter.h"

#include <string>

namespace lvpls {

// Largest problem the engine accepts; the workbench stays far below.
inline constexpr int kMaxBlocks = 500;
inline constexpr int kMaxIndicators = 2000;

// The title of a problem: the line after its COMMENT card, empty when there is none.
std::string problemTitle(const ProblemText& text);

// Reads every card of one problem. Throws ProblemError naming the line at fault.
Problem parseProblem(const ProblemText& text);
// The same into a problem whose data matrix keeps its memory when the size stays.
void parseProblem(const ProblemText& text, Problem& problem);

}  // namespace lvpls
