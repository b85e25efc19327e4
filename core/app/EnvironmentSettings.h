#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/model/RecentModels.h"

namespace qv {

// Colours are 0x00BBGGRR values, or a system colour 0x80000000 + index. The defaults, for a
// fresh start and for Reset to Default alike, put black text on light colours (contrast above
// 11:1), whatever the desktop's theme.
inline constexpr std::int32_t kDefaultBackgroundColor = 0xF5F5EB;
inline constexpr std::int32_t kDefaultConstructColor = 0x80FFFF;
inline constexpr std::int32_t kDefaultPathColor = 0x808040;
inline constexpr std::int32_t kDefaultTextColor = 0;
inline constexpr int kMaxLanguages = 80;

// The per-user settings kept in conf.ini in the user's configuration folder.
struct EnvironmentSettings {
    std::int32_t bgColor = kDefaultBackgroundColor;
    std::int32_t constructColor = kDefaultConstructColor;
    std::int32_t pathColor = kDefaultPathColor;
    std::int32_t textColor = kDefaultTextColor;
    std::string editor;  // empty: the desktop's editor for text files
    int radius = 25;
    bool beep = false;
    std::string workingDir;  // where the file dialogs start
    std::string lang = "English";
    int charset = 1;
    std::vector<std::string> languages{"English"};  // the installed languages, only read
    RecentModels recentModels;

    static std::filesystem::path file(const std::filesystem::path& configDir) {
        return configDir / "conf.ini";
    }

    // ReadSettings: missing keys give the defaults, with startDir as the working folder.
    void read(const std::filesystem::path& configDir, const std::filesystem::path& startDir);
    // WriteSettings: every setting except the working folder and the language list; other
    // keys of the file stay. A missing configuration folder is created. Returns an error
    // text when the file cannot be written.
    std::optional<std::string> write(const std::filesystem::path& configDir) const;
    // StoreWorkingDir: only Environment/Path.
    std::optional<std::string> storeWorkingDir(const std::filesystem::path& configDir) const;
};

// The font character set of a position in the Environment dialog's list (1 "Default" when the
// position is out of range).
int characterSetValue(int position);

}  // namespace qv
