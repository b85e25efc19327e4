#include "core/report/ReportFolder.h"

#include <system_error>

#include "core/app/DerivedFileNames.h"

namespace qv {

namespace fs = std::filesystem;

fs::path PrepareReportFolder(const std::string& projectFile, const std::string& suffix,
                             const fs::path& dataDir) {
    const fs::path folder = modelFileName(projectFile, suffix);
    std::error_code ignored;
    // A folder that cannot be made shows when the page cannot be written into it.
    fs::create_directories(folder, ignored);
    for (const char* companion : {"style.css", "icon_182.jpg"})
        if (!dataDir.empty())
            fs::copy_file(dataDir / companion, folder / companion, fs::copy_options::overwrite_existing,
                          ignored);
    return folder;
}

}  // namespace qv
