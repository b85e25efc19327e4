#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// About how many bytes the engine's listing of `problems` problems takes at most: lines for
// every indicator and block, the blocks' matrices and each problem's headings.
std::uintmax_t ListingSizeEstimate(int indicators, int constructs, std::uintmax_t problems);

// "The <what> needs about N bytes in FOLDER; M bytes are free there." when `needed` exceeds
// `available`, otherwise nothing.
std::optional<std::string> RoomShortageText(const std::string& what, const std::filesystem::path& folder,
                                            std::uintmax_t needed, std::uintmax_t available);

// RoomShortageText with the room free in `folder` now; a folder whose room the system cannot
// tell passes, and the write itself will tell.
std::optional<std::string> RoomShortage(const std::string& what, const std::filesystem::path& folder,
                                        std::uintmax_t needed);

}  // namespace qv
