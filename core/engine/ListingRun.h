#pragma once

#include <string_view>

#include "core/engine/ListingText.h"

namespace qv {

// The part of a listing that belongs to one problem: from its title to the next problem's
// title ("ALLSample" or "SubSample ...") or the end. Sections are searched only in here,
// so a problem the engine rejected never takes the figures of the problem after it.
struct RunText {
    TextPos title = kNotFound;  // where the title stands; kNotFound when it is missing
    TextPos begin = 0;
    TextPos end = 0;
};

// The run of the first occurrence of title at or after from. A title missing there is
// searched from the beginning, so the result equals the first occurrence in the listing
// whenever titles appear in the order they are asked for. A title missing altogether
// gives the text before the first problem's title.
RunText FindRunText(std::string_view listing, std::string_view title, TextPos from = 0);

// The next problem title at or after from, or the end of the listing.
TextPos FindNextRunTitle(std::string_view listing, TextPos from);

}  // namespace qv
