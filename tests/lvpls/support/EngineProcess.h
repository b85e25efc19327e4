#pragma once

#include <filesystem>
#include <string>

namespace lvpls::testing {

struct EngineRun {
    int exitStatus = -1;
    std::string listing;
};

// Writes the control text into a fresh folder and runs the `pls` program of the build on it,
// with the options before the file name.
EngineRun runEngineProgram(const std::string& controlText, const std::string& options = "");

// A fresh, empty folder under the system's temporary folder.
std::filesystem::path freshFolder(const std::string& stem);

std::string readFile(const std::filesystem::path& path);

}  // namespace lvpls::testing
