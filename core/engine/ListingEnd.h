#pragma once

#include <string>
#include <string_view>

namespace qv {

// The engine ends every listing with "---- End of listing: problems N ----", N counting the
// problems it printed. Empty when the listing ends with that line and holds N problems;
// otherwise why the listing cannot be trusted (empty, cut short, or problems missing).
std::string ListingEndError(std::string_view listing);

}  // namespace qv
