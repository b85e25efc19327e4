#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/tables/ResultTable.h"

namespace qv {

// The echo of the listing's entire-sample problem: its lines between the title and the first
// section (blocks and cases, inner weighting, missing values replaced, iterations and
// convergence), without line ends. Empty when the listing has no such problem.
std::vector<std::string> ListingEchoLines(std::string_view listing);

// The run's settings and the engine's messages as "Setting, Value" rows: the settings given,
// then each echo line under "Engine".
ResultTable RunResults(const std::vector<std::pair<std::string, std::string>>& settings,
                       const std::vector<std::string>& echo);

}  // namespace qv
