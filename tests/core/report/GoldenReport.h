#pragma once

#include <filesystem>
#include <string>

#include "core/app/Version.h"
#include "core/support/TempFolder.h"

namespace qv::testing {

// A golden report page; its foot names the program's version as @VERSION@.
inline std::string goldenPage(const std::filesystem::path& file) {
    std::string page = readBytes(file);
    const std::string marker = "@VERSION@";
    if (const auto at = page.rfind(marker); at != std::string::npos) page.replace(at, marker.size(), kProgramVersion);
    return page;
}

}  // namespace qv::testing
