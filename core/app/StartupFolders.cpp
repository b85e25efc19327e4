#include "core/app/StartupFolders.h"

#include <system_error>

namespace qv {

namespace fs = std::filesystem;

StartupFolders StartupFolders::fromStartupDir(const fs::path& startupDir) {
    return StartupFolders{startupDir, startupDir / "temp", startupDir / "finish.wav"};
}

namespace {

void deleteFilesIn(const fs::path& dir) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        std::error_code ignored;
        if (!entry.is_directory(ignored)) fs::remove(entry.path(), ignored);
    }
}

}  // namespace

std::optional<std::string> prepareTempDir(const StartupFolders& folders) {
    std::error_code error;
    if (fs::is_directory(folders.tempDir, error)) {
        fs::current_path(folders.tempDir, error);
        deleteFilesIn(folders.tempDir);
    } else if (!fs::create_directory(folders.tempDir, error) || error) {
        const std::string reason = error ? error.message() : "a file of that name exists";
        return folders.tempDir.string() + " (" + reason + ")";
    }
    for (const char* companion : {"style.css", "icon_182.jpg"}) {
        std::error_code ignored;
        fs::copy_file(folders.startupDir / companion, folders.tempDir / companion,
                      fs::copy_options::overwrite_existing, ignored);
    }
    return std::nullopt;
}

}  // namespace qv
