#include "core/files/DiskRoom.h"

#include <algorithm>
#include <system_error>

namespace qv {

std::uintmax_t ListingSizeEstimate(int indicators, int constructs, std::uintmax_t problems) {
    const std::uintmax_t i = static_cast<std::uintmax_t>(std::max(indicators, 0));
    const std::uintmax_t c = static_cast<std::uintmax_t>(std::max(constructs, 0));
    return (200 * (i + c) + 100 * c * c + 1000) * problems;
}

std::optional<std::string> RoomShortageText(const std::string& what, const std::filesystem::path& folder,
                                            std::uintmax_t needed, std::uintmax_t available) {
    if (needed <= available) return std::nullopt;
    return "The " + what + " needs about " + std::to_string(needed) + " bytes in " + folder.string() +
           "; " + std::to_string(available) + " bytes are free there.";
}

std::optional<std::string> RoomShortage(const std::string& what, const std::filesystem::path& folder,
                                        std::uintmax_t needed) {
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(folder, error);
    if (error) return std::nullopt;
    return RoomShortageText(what, folder, needed, space.available);
}

}  // namespace qv
