#include "core/app/EnvironmentSettings.h"

#include <algorithm>
#include <array>

#include "core/model/IniFile.h"

namespace qv {
namespace {

// A colour of -1 (or a missing one) means the default.
std::int32_t readColor(const IniFile& ini, const char* key, std::int32_t fallback) {
    const int value = ini.readInt("Color", key, -1);
    return value == -1 ? fallback : value;
}

// The settings file of the folder, which is made when it is missing; a folder that cannot
// be made shows in the save's error.
IniFile settingsFile(const std::filesystem::path& configDir) {
    std::error_code ignored;
    std::filesystem::create_directories(configDir, ignored);
    return IniFile(EnvironmentSettings::file(configDir));
}

}  // namespace

void EnvironmentSettings::read(const std::filesystem::path& configDir,
                               const std::filesystem::path& startDir) {
    const IniFile ini(file(configDir));
    bgColor = readColor(ini, "bgcolor", kDefaultBackgroundColor);
    constructColor = readColor(ini, "construct_color", kDefaultConstructColor);
    pathColor = readColor(ini, "path_color", kDefaultPathColor);
    textColor = readColor(ini, "text_color", kDefaultTextColor);
    editor = ini.readString("Environment", "Editor", "");
    radius = ini.readInt("Environment", "Radius", 25);
    beep = ini.readBool("Environment", "Beep", false);
    workingDir = ini.readString("Environment", "Path", startDir.string());
    lang = ini.readString("Language", "LANG", "English");
    const int nLang = std::clamp(ini.readInt("Language", "nLANG", 1), 0, kMaxLanguages);
    charset = ini.readInt("Language", "Charset", 1);
    languages.clear();
    for (int i = 1; i <= nLang; ++i)
        languages.push_back(ini.readString("Language", "LANGUAGE" + std::to_string(i), "English"));
    for (int i = 0; i < RecentModels::kCount; ++i)
        recentModels.setEntry(i, ini.readString("History", "Model" + std::to_string(i + 1)));
}

std::optional<std::string> EnvironmentSettings::write(const std::filesystem::path& configDir) const {
    IniFile ini = settingsFile(configDir);
    ini.writeInt("Color", "bgcolor", bgColor);
    ini.writeInt("Color", "construct_color", constructColor);
    ini.writeInt("Color", "path_color", pathColor);
    ini.writeInt("Color", "text_color", textColor);
    ini.writeString("Environment", "Editor", editor);
    ini.writeInt("Environment", "Radius", radius);
    ini.writeBool("Environment", "Beep", beep);
    ini.writeString("Language", "LANG", lang);
    ini.writeInt("Language", "Charset", charset);
    for (int i = 0; i < RecentModels::kCount; ++i)
        ini.writeString("History", "Model" + std::to_string(i + 1), recentModels.entry(i));
    return ini.save();
}

std::optional<std::string> EnvironmentSettings::storeWorkingDir(
    const std::filesystem::path& configDir) const {
    IniFile ini = settingsFile(configDir);
    ini.writeString("Environment", "Path", workingDir);
    return ini.save();
}

int characterSetValue(int position) {
    static constexpr std::array<int, 19> kValues{0,   1,   2,   77,  128, 129, 130, 134, 136, 161,
                                                 162, 163, 177, 178, 186, 204, 222, 238, 255};
    if (position < 0 || position >= static_cast<int>(kValues.size())) return 1;
    return kValues[static_cast<size_t>(position)];
}

}  // namespace qv
