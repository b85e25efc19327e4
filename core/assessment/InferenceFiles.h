#pragma once

#include <filesystem>

namespace qv {

// The web report's section of the last bootstrap's inference, kept in the work folder
// beside the bootstrap's own section until the report copies it.
std::filesystem::path InferenceFragmentPath(const std::filesystem::path& tempDir);

}  // namespace qv
