#include "core/engine/ListingEnd.h"

#include <charconv>

namespace qv {
namespace {

constexpr std::string_view kClosingStart = "---- End of listing: problems ";
constexpr std::string_view kClosingEnd = " ----";
constexpr std::string_view kBanner = "---- Problem ";

// The last line without its line end; empty when the text does not end with a line end.
std::string_view lastLine(std::string_view listing) {
    if (listing.empty() || listing.back() != '\n') return {};
    listing.remove_suffix(1);
    if (!listing.empty() && listing.back() == '\r') listing.remove_suffix(1);
    const size_t start = listing.rfind('\n');
    return start == std::string_view::npos ? listing : listing.substr(start + 1);
}

// The count of the closing line, or -1 when the line is no closing line.
long closingCount(std::string_view line) {
    if (!line.starts_with(kClosingStart) || !line.ends_with(kClosingEnd)) return -1;
    const std::string_view digits =
        line.substr(kClosingStart.size(), line.size() - kClosingStart.size() - kClosingEnd.size());
    long count = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    return error == std::errc() && end == digits.data() + digits.size() ? count : -1;
}

long bannerCount(std::string_view listing) {
    long count = listing.starts_with(kBanner) ? 1 : 0;
    for (size_t at = listing.find(kBanner); at != std::string_view::npos; at = listing.find(kBanner, at + 1))
        if (at > 0 && listing[at - 1] == '\n') ++count;
    return count;
}

}  // namespace

std::string ListingEndError(std::string_view listing) {
    if (listing.empty()) return "the listing is empty: the engine printed nothing";
    const long closing = closingCount(lastLine(listing));
    if (closing < 0)
        return "the listing ends before its closing line: the engine stopped before it "
               "finished (it crashed, was killed, or the disk filled)";
    const long printed = bannerCount(listing);
    if (closing != printed)
        return "the listing's closing line counts " + std::to_string(closing) + " problems, but " +
               std::to_string(printed) + " are printed";
    return {};
}

}  // namespace qv
