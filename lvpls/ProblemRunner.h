#pragma once

#include "lvpls/Problem.h"
#include "lvpls/ProblemSplitter.h"
#include "lvpls/SampleSource.h"

#include <string>

namespace lvpls {

// The complete listing of one problem: its estimate, or its "Error:" line. `source` holds the
// records a problem with a SAMPLE line draws from (null when none came before it);
// `workspace` is reused from problem to problem, so that equal sizes allocate nothing. The
// text's lines are released once read, before the estimate needs its memory.
std::string runProblem(ProblemText& text, const SampleSource* source, Problem& workspace);

// The same for a problem in cards alone.
std::string runProblem(ProblemText text);

}  // namespace lvpls
