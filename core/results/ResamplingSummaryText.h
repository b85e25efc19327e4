#pragma once

#include <string>

#include "core/results/ResamplingSummaryTable.h"

namespace qv {

// The summary as text: the separator is a tab in the text summary and a comma in the CSV
// summary, which otherwise share their layout.
std::string FormatSummaryText(const SummaryTable& table, char separator);

}  // namespace qv
