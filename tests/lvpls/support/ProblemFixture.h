#pragma once

#include "lvpls/Problem.h"
#include "tests/lvpls/support/ControlFileBuilder.h"

#include <string>

namespace lvpls::testing {

// The problem the engine reads from the control run's cards.
Problem parseRun(const ControlRun& run, const DataSet& data);

// The ECSI model on the mobile phone data set (7 blocks, 24 indicators).
ControlRun ecsiRun();
DataSet mobiData();

}  // namespace lvpls::testing
