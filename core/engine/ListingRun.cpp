#include "core/engine/ListingRun.h"

namespace qv {

TextPos FindNextRunTitle(std::string_view listing, TextPos from) {
    constexpr std::string_view kCommonPart = "Sample";
    constexpr size_t kPrefixLength = 3;  // "ALL" or "Sub"
    size_t at = from < 0 ? kPrefixLength : static_cast<size_t>(from) + kPrefixLength;
    // One pass for both titles keeps reading subsample after subsample linear.
    while ((at = listing.find(kCommonPart, at)) != std::string_view::npos) {
        const std::string_view prefix = listing.substr(at - kPrefixLength, kPrefixLength);
        if (prefix == "ALL" || prefix == "Sub") return static_cast<TextPos>(at - kPrefixLength);
        ++at;
    }
    return static_cast<TextPos>(listing.size());
}

RunText FindRunText(std::string_view listing, std::string_view title, TextPos from) {
    RunText run;
    run.title = FindText(listing, from, title);
    if (run.title == kNotFound && from > 0) run.title = FindText(listing, 0, title);
    if (run.title == kNotFound) {
        run.begin = 0;
        run.end = FindNextRunTitle(listing, 0);
    } else {
        run.begin = run.title;
        run.end = FindNextRunTitle(listing, run.title + static_cast<TextPos>(title.size()));
    }
    return run;
}

}  // namespace qv
