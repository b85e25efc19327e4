#pragma once

#include <iosfwd>

#include "core/model/ProjectModel.h"

namespace qv {

// The estimate as aligned plain-text tables: path coefficients, R-square (and Q-square
// when blindfolding ran), and the outer loadings and weights of every assigned indicator.
void PrintEstimateTables(const ProjectModel& model, std::ostream& out);

}  // namespace qv
