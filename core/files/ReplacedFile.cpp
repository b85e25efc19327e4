#include "core/files/ReplacedFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

namespace qv {
namespace fs = std::filesystem;

namespace {

// Large enough that a control file of many problems goes out in few system calls.
constexpr size_t kBlock = 1 << 16;

std::optional<WriteFault>& injectedFault() {
    static std::optional<WriteFault> fault;
    return fault;
}

// How many of `size` more bytes may go out after `written`, and the error for the rest.
size_t allowedBytes(const fs::path& target, std::uintmax_t written, size_t size, int& error) {
    const std::optional<WriteFault>& fault = injectedFault();
    error = 0;
    if (!fault || target.filename() != fault->fileName || written + size <= fault->after) return size;
    error = fault->error;
    return written >= fault->after ? 0 : static_cast<size_t>(fault->after - written);
}

// Where the bytes really go: the end of a chain of symbolic links, also a dangling one.
fs::path writtenPath(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target;
}

// A name of its own for every file being written, so that two programs writing one file at
// once never write into the same temporary file; the last rename wins and each file is whole.
fs::path temporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> written{0};
    fs::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + "-" + std::to_string(written++) + ".tmp~";
    return temporary;
}

// An existing file's permissions go to the file that replaces it.
void keepPermissions(const fs::path& replacement, const fs::path& target) {
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    if (fs::is_regular_file(existing)) fs::permissions(replacement, existing.permissions(), error);
}

}  // namespace

std::string CannotWriteText(const fs::path& path, int error) {
    return "cannot write " + path.string() + ": " + std::strerror(error);
}

void InjectWriteFault(std::optional<WriteFault> fault) { injectedFault() = std::move(fault); }

ReplacedFile::ReplacedFile(const fs::path& path) : target_(writtenPath(path)) {
    std::error_code ignored;
    // A folder in the file's place is told at once, before any byte is written.
    if (fs::is_directory(target_, ignored)) {
        error_ = CannotWriteText(target_, EISDIR);
        return;
    }
    temporary_ = temporaryBeside(target_);
    descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    temporaryExists_ = descriptor_ >= 0;
    if (!temporaryExists_) error_ = CannotWriteText(target_, errno);
}

ReplacedFile::~ReplacedFile() { abandon(); }

bool ReplacedFile::fail(int error) {
    if (!error_) error_ = CannotWriteText(target_, error);
    abandon();
    return false;
}

// Closes and removes the temporary file, also one finished but never renamed.
void ReplacedFile::abandon() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (temporaryExists_) ::unlink(temporary_.c_str());
    temporaryExists_ = false;
    buffer_.clear();
}

// A large write goes straight out, so that a whole file handed over at once is not copied.
bool ReplacedFile::write(std::string_view bytes) {
    if (error_) return false;
    if (buffer_.empty() && bytes.size() >= kBlock) return writeThrough(bytes);
    buffer_.append(bytes);
    return buffer_.size() < kBlock || flushBuffer();
}

bool ReplacedFile::flushBuffer() {
    const bool ok = writeThrough(buffer_);
    buffer_.clear();
    return ok;
}

bool ReplacedFile::writeThrough(std::string_view bytes) {
    int injected = 0;
    const size_t allowed = allowedBytes(target_, written_, bytes.size(), injected);
    size_t done = 0;
    while (done < allowed) {
        const ssize_t count = ::write(descriptor_, bytes.data() + done, allowed - done);
        if (count < 0 && errno == EINTR) continue;
        // A write that takes nothing although bytes are left is a full disk.
        if (count <= 0) return fail(count < 0 ? errno : ENOSPC);
        done += static_cast<size_t>(count);
    }
    written_ += done;
    return injected == 0 || fail(injected);
}

std::optional<std::string> ReplacedFile::finish() {
    if (error_ || descriptor_ < 0 || !flushBuffer()) return error_;
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) fail(errno);
    return error_;
}

std::optional<std::string> ReplacedFile::commit() {
    if (committed_ || finish()) return error_;
    keepPermissions(temporary_, target_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail(errno);
        return error_;
    }
    temporaryExists_ = false;
    committed_ = true;
    return std::nullopt;
}

std::optional<std::string> CopyFileOver(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return "cannot read " + from.string() + ": " + std::strerror(errno ? errno : ENOENT);
    ReplacedFile out(to);
    std::vector<char> block(kBlock);
    while (in && !out.error()) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        out.write(std::string_view(block.data(), static_cast<size_t>(in.gcount())));
    }
    if (in.bad()) return "cannot read " + from.string() + ": " + std::strerror(EIO);
    return out.commit();
}

std::optional<std::string> MoveFileOver(const fs::path& from, const fs::path& to) {
    const fs::path target = writtenPath(to);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(from, error);
    if (error) return "cannot read " + from.string() + ": " + error.message();
    int injected = 0;
    allowedBytes(target, 0, static_cast<size_t>(size), injected);
    if (injected) return CannotWriteText(target, injected);
    keepPermissions(from, target);
    if (::rename(from.c_str(), target.c_str()) == 0) return std::nullopt;
    if (errno != EXDEV) return CannotWriteText(target, errno);
    if (auto failure = CopyFileOver(from, target)) return failure;
    fs::remove(from, error);
    return std::nullopt;
}

}  // namespace qv
