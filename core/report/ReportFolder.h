#pragma once

#include <filesystem>
#include <string>

namespace qv {

// A report's page goes beside the model, in a folder of its own named from the model file
// ("<folder><stem><suffix>"), together with its picture and the style sheet and icon it links.
// The companions come from the data folder; a missing one is left out.
std::filesystem::path PrepareReportFolder(const std::string& projectFile, const std::string& suffix,
                                          const std::filesystem::path& dataDir);

}  // namespace qv
