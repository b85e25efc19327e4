#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// A file written under a temporary name beside it ("<name>.<process>-<n>.tmp~") and renamed
// over it by commit(), so a failed or short write leaves the previous file whole. The file keeps its
// identity: a symbolic link is followed (its target is replaced, the link stays) and an
// existing file keeps its permissions. Bytes go out in blocks, so a large file never needs
// to stand whole in memory. A file not committed leaves no temporary file behind.
class ReplacedFile {
public:
    explicit ReplacedFile(const std::filesystem::path& path);
    ~ReplacedFile();
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    // False once any write failed; later writes do nothing.
    bool write(std::string_view bytes);
    // Writes what is left and closes the temporary file, so that several files can be
    // finished before any replaces its previous one. Returns the failure or nothing.
    std::optional<std::string> finish();
    // Finishes the file and renames the temporary file over it. Returns
    // "cannot write FILE: reason" (the system's reason) or nothing.
    std::optional<std::string> commit();
    // The first failure so far, as commit would give it.
    const std::optional<std::string>& error() const { return error_; }
    // The file the bytes replace: the end of a chain of symbolic links.
    const std::filesystem::path& target() const { return target_; }

private:
    bool flushBuffer();
    bool writeThrough(std::string_view bytes);
    bool fail(int error);
    void abandon();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::string buffer_;
    std::uintmax_t written_ = 0;
    int descriptor_ = -1;
    bool temporaryExists_ = false;
    std::optional<std::string> error_;
    bool committed_ = false;
};

// Moves a finished file over `to`: renamed when both lie on one file system, otherwise
// copied through a ReplacedFile and the source removed. Until the new file is whole the
// previous one stays. Returns "cannot write FILE: reason" or nothing.
std::optional<std::string> MoveFileOver(const std::filesystem::path& from,
                                        const std::filesystem::path& to);

// Copies a file over `to` through a ReplacedFile. Returns "cannot write FILE: reason" (or
// "cannot read FILE: reason" for the source) or nothing.
std::optional<std::string> CopyFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

// "cannot write FILE: <the system's text for error>".
std::string CannotWriteText(const std::filesystem::path& path, int error);

// For fault tests: writes through ReplacedFile and MoveFileOver into a file of this name fail
// with `error` once `after` bytes of it have gone out, as a full disk would fail them.
struct WriteFault {
    std::string fileName;
    int error = 0;
    std::uintmax_t after = 0;
};
void InjectWriteFault(std::optional<WriteFault> fault);

}  // namespace qv
