#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace qv {

// How many problems the engine has printed so far, counted by their banner lines
// ("---- Problem ") as the listing grows; each look reads only what was added since the last.
class ListingProgress {
public:
    explicit ListingProgress(std::filesystem::path listing) : listing_(std::move(listing)) {}

    // The problems printed up to now; a listing not yet there has none.
    int problemsPrinted();

private:
    std::filesystem::path listing_;
    std::uintmax_t read_ = 0;
    std::string tail_;  // the last bytes read, in which a banner may have begun
    int problems_ = 0;
};

}  // namespace qv
