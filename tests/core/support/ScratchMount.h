#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace qv::testing {

// A file system mounted on a folder for one test: a small tmpfs that fills up, or the folder
// bound onto itself read-only (which refuses writes to root as well). Mounting needs the
// right to mount; without it mounted() is false and reason() says why, so the test can skip.
class ScratchMount {
public:
    static ScratchMount tmpfs(const std::filesystem::path& folder, const std::string& size) {
        ScratchMount mount(folder);
        mount.attach(::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()));
        return mount;
    }
    static ScratchMount readOnly(const std::filesystem::path& folder) {
        ScratchMount mount(folder);
        mount.attach(::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr));
        if (mount.mounted_ &&
            ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            mount.reason_ = "cannot remount read-only: " + std::string(std::strerror(errno));
        }
        return mount;
    }
    ScratchMount(ScratchMount&& other) noexcept
        : folder_(other.folder_), mounted_(other.mounted_), reason_(other.reason_) {
        other.mounted_ = false;
    }
    ~ScratchMount() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }

    bool usable() const { return mounted_ && reason_.empty(); }
    const std::string& reason() const { return reason_; }

private:
    explicit ScratchMount(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
    }
    void attach(int result) {
        mounted_ = result == 0;
        if (!mounted_) reason_ = "cannot mount on " + folder_.string() + ": " + std::strerror(errno);
    }

    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace qv::testing
