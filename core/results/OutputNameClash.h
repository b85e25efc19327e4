#pragma once

#include <string>

#include "core/model/ModelParameters.h"

namespace qv {

// Why the run's output files would overwrite the model file, the data file or one another:
// the output names the user may set (PLS, Result, BootStrap, JackKnife), the second-stage
// files named after them, and the resampling files named after the model. Names are compared
// as the paths they resolve to. Empty when every output has a file of its own.
std::string OutputNameClash(const ProjectFiles& files, const std::string& dataFile);

}  // namespace qv
