#pragma once

#include <string>

#include "core/results/ResamplingSummaryTable.h"

namespace qv {

// The resampling section of the web report: loadings, weights and paths as tables with
// anchors named after the kind ("BootStrap" or "JackKnife").
std::string FormatSummaryHtml(const SummaryTable& table);

}  // namespace qv
