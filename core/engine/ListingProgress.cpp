#include "core/engine/ListingProgress.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>

namespace qv {
namespace {

constexpr std::string_view kBanner = "---- Problem ";

}  // namespace

int ListingProgress::problemsPrinted() {
    std::ifstream in(listing_, std::ios::binary);
    if (!in || !in.seekg(static_cast<std::streamoff>(read_))) return problems_;
    std::string text = tail_;
    const std::size_t kept = text.size();
    text.append(std::istreambuf_iterator<char>(in), {});
    read_ += text.size() - kept;
    // The kept bytes are shorter than a banner, so a banner found here was not counted before.
    for (std::size_t at = text.find(kBanner); at != std::string::npos; at = text.find(kBanner, at + kBanner.size()))
        ++problems_;
    tail_ = text.substr(text.size() - std::min(text.size(), kBanner.size() - 1));
    return problems_;
}

}  // namespace qv
