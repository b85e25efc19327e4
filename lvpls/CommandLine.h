#pragma once

#include <string>
#include <vector>

namespace lvpls {

inline constexpr int kMostThreads = 256;

// `pls [--threads N] CONTROLFILE` or `pls --capabilities`.
struct CommandLine {
    bool capabilities = false;
    int threads = 0;  // 0: as many as the machine has
    std::string controlFile;
    std::string error;  // why the arguments are not a call; empty when they are
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The threads to estimate on: the number asked for, or the machine's processors.
int threadsToUse(const CommandLine& line);

}  // namespace lvpls
