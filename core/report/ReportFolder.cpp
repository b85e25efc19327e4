#include "core/report/ReportFolder.h"

#include <system_error>

#include "core/app/DerivedFileNames.h"
#include "core/files/ReplacedFile.h"

namespace qv {

namespace fs = std::filesystem;

ReportFolder PrepareReportFolder(const std::string& projectFile, const std::string& suffix,
                                 const fs::path& dataDir) {
    ReportFolder folder{modelFileName(projectFile, suffix), std::nullopt};
    std::error_code ignored;
    // A folder that cannot be made shows when the first file cannot be written into it.
    fs::create_directories(folder.path, ignored);
    for (const char* companion : {"style.css", "icon_182.jpg"}) {
        if (dataDir.empty() || !fs::is_regular_file(dataDir / companion, ignored)) continue;
        folder.error = CopyFileOver(dataDir / companion, folder.path / companion);
        if (folder.error) break;
    }
    return folder;
}

}  // namespace qv
