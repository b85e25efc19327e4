#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/groups/GroupStatistic.h"
#include "core/ports/DiagramPicture.h"

namespace qv {

// The comparison's report page: the report head with its date text, the diagram picture
// (when one was made, at its shown size when known), the table of the t test with one row per path, a note
// under it when there is one, and the report foot. Captions and the note are escaped.
std::string FormatGroupReport(const std::vector<GroupComparisonRow>& rows, int df,
                              const std::string& dateText, bool picture,
                              const std::optional<PictureSize>& shown = std::nullopt, const std::string& note = "");

}  // namespace qv
