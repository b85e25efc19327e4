#pragma once

#include <zip.h>

#include <string>
#include <utility>
#include <vector>

namespace qv {

// Writes a zip archive of the named parts, as a spreadsheet program would; false when
// libzip refuses.
inline bool writeZipParts(const std::string& path,
                          const std::vector<std::pair<std::string, std::string>>& parts) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) return false;
    for (const auto& [name, text] : parts) {
        zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
        if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;  // reads the buffers, which live until here
}

}  // namespace qv
