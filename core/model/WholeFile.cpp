#include "core/model/WholeFile.h"

#include "core/files/ReplacedFile.h"

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

std::optional<std::string> WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    ReplacedFile file(path);
    file.write(bytes);
    return file.commit();
}

std::string UnreadableListingText(const std::string& reason, const std::filesystem::path& path) {
    return "ERROR!: " + reason + " (" + path.string() + ")";
}

}  // namespace qv
