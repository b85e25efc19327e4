#include "core/model/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>
#include <sstream>

namespace qv {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& reason) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = std::strerror(EISDIR);
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno ? errno : ENOENT);
        return std::nullopt;
    }
    try {
        std::ostringstream bytes;
        // An empty file copies no character and sets failbit on the output: that is no error.
        if (!(bytes << in.rdbuf()) && in.peek() != std::char_traits<char>::eof()) {
            reason = std::strerror(EIO);
            return std::nullopt;
        }
        return std::move(bytes).str();
    } catch (const std::bad_alloc&) {
        reason = std::strerror(ENOMEM);
        return std::nullopt;
    }
}

namespace {

// Where the bytes really go: the end of a chain of symbolic links, also a dangling one.
std::filesystem::path writtenPath(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target;
}

std::string cannotWrite(const std::filesystem::path& path, int error) {
    return "cannot write " + path.string() + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    const fs::path target = writtenPath(path);
    fs::path temporary = target;
    temporary += ".tmp~";
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return cannotWrite(target, errno ? errno : EACCES) + " (" + temporary.string() + ")";
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            const int reason = errno ? errno : EIO;
            fs::remove(temporary, error);
            return cannotWrite(target, reason);
        }
    }
    if (fs::exists(existing)) fs::permissions(temporary, existing.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "cannot write " + target.string() + ": " + error.message();
    }
    return std::nullopt;
}

std::string UnreadableListingText(const std::string& reason, const std::filesystem::path& path) {
    return "ERROR!: " + reason + " (" + path.string() + ")";
}

}  // namespace qv
