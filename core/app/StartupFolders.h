#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// The folders the program works in: the start folder (the current folder at start-up, holding
// conf.ini, the language files and the companion files) and the work folder below it.
struct StartupFolders {
    std::filesystem::path startupDir;
    std::filesystem::path tempDir;    // StartupDir/temp: web report pages, diagram picture
    std::filesystem::path soundFile;  // StartupDir/finish.wav

    static StartupFolders fromStartupDir(const std::filesystem::path& startupDir);
};

// Prepares TempDir: an existing one becomes the current folder and its files are deleted, a
// missing one is created (the current folder stays). The web report's companion files are
// copied into it; a missing companion is skipped. Returns the folder and the system's reason
// when it cannot be created.
std::optional<std::string> prepareTempDir(const StartupFolders& folders);

}  // namespace qv
