#include "tests/lvpls/support/EngineProcess.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace lvpls::testing {

std::filesystem::path freshFolder(const std::string& stem) {
    static std::atomic<int> counter{0};
    const auto folder = std::filesystem::temp_directory_path() /
                        (stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::ostringstream text;
    text << input.rdbuf();
    return text.str();
}

EngineRun runEngineProgram(const std::string& controlText, const std::string& options) {
    const auto folder = freshFolder("lvpls-run");
    std::ofstream(folder / "tmppls.pls", std::ios::binary) << controlText;
    const std::string command = "cd '" + folder.string() + "' && '" QV_START_DIR "/pls' " + options + " tmppls.pls > tmppls.out";
    const int status = std::system(command.c_str());
    EngineRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.listing = readFile(folder / "tmppls.out");
    std::filesystem::remove_all(folder);
    return run;
}

}  // namespace lvpls::testing
