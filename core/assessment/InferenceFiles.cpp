#include "core/assessment/InferenceFiles.h"

namespace qv {

std::filesystem::path InferenceFragmentPath(const std::filesystem::path& tempDir) {
    return tempDir / "inference.html";
}

}  // namespace qv
