#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct zip;

namespace qv {

// A zip file opened for reading through libzip: spreadsheet files are zip archives of XML
// parts. Every failure becomes a message naming the file and the part.
class ZipArchive {
public:
    explicit ZipArchive(std::string path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Empty when the archive opened; otherwise why it did not.
    const std::string& openError() const { return error_; }
    bool hasPart(const std::string& name) const;
    const std::string& path() const { return path_; }
    // Hands the part's bytes to consume piece by piece; consume returns false to stop.
    // Returns an error message, empty on success.
    std::string readPart(const std::string& name,
                         const std::function<bool(std::string_view)>& consume) const;

private:
    std::string path_;
    zip* archive_ = nullptr;
    std::string error_;
};

}  // namespace qv
