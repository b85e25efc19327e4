// Linked into every test program: each test process gets settings and work folders of its
// own, so tests running side by side never read a conf.ini another one is writing, and the
// user's own settings stay untouched.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

class PrivateUserFolders {
public:
    PrivateUserFolders()
        : root_(std::filesystem::temp_directory_path() / ("qv-test-user-" + std::to_string(::getpid()))) {
        for (const auto& [variable, folder] : {std::pair{"XDG_CONFIG_HOME", "config"},
                                               std::pair{"XDG_RUNTIME_DIR", "runtime"},
                                               std::pair{"XDG_CACHE_HOME", "cache"}}) {
            std::filesystem::create_directories(root_ / folder);
            ::setenv(variable, (root_ / folder).c_str(), 1);
        }
    }
    ~PrivateUserFolders() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

private:
    std::filesystem::path root_;
};

const PrivateUserFolders folders;

}  // namespace
