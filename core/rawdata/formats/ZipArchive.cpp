#include "core/rawdata/formats/ZipArchive.h"

#include <zip.h>

#include <vector>

namespace qv {
namespace {

constexpr size_t kPieceSize = 1 << 16;

}  // namespace

ZipArchive::ZipArchive(std::string path) : path_(std::move(path)) {
    int code = 0;
    archive_ = zip_open(path_.c_str(), ZIP_RDONLY, &code);
    if (archive_) return;
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    error_ = path_ + " is no spreadsheet file: " + zip_error_strerror(&error) + ".";
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive() {
    if (archive_) zip_discard(archive_);
}

bool ZipArchive::hasPart(const std::string& name) const {
    return archive_ && zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

std::string ZipArchive::readPart(const std::string& name,
                                 const std::function<bool(std::string_view)>& consume) const {
    if (!archive_) return error_;
    zip_file_t* file = zip_fopen(archive_, name.c_str(), 0);
    if (!file) return path_ + " lacks its part " + name + ": " + zip_strerror(archive_) + ".";
    std::vector<char> piece(kPieceSize);
    std::string error;
    for (;;) {
        const zip_int64_t read = zip_fread(file, piece.data(), piece.size());
        if (read < 0) {
            error = path_ + " is damaged in its part " + name + ": " +
                    zip_error_strerror(zip_file_get_error(file)) + ".";
            break;
        }
        if (read == 0 || !consume({piece.data(), static_cast<size_t>(read)})) break;
    }
    zip_fclose(file);
    return error;
}

}  // namespace qv
