#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// A report's page goes beside the model, in a folder of its own named from the model file
// ("<folder><stem><suffix>"), together with its picture and the style sheet and icon it links.
// The companions come from the data folder; a missing one is left out, one that cannot be
// written there is the error ("cannot write FILE: reason"), and the previous copy stays.
struct ReportFolder {
    std::filesystem::path path;
    std::optional<std::string> error;
};
ReportFolder PrepareReportFolder(const std::string& projectFile, const std::string& suffix,
                                 const std::filesystem::path& dataDir);

}  // namespace qv
