#include "FuzzInput.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace qv::fuzz {

InputFile::InputFile(std::string_view bytes, const std::string& extension) {
    path_ = (std::filesystem::temp_directory_path() /
             ("qv_fuzz_" + std::to_string(::getpid()) + extension))
                .string();
    FILE* file = std::fopen(path_.c_str(), "wb");
    // A target that cannot write its input would test nothing: stop loudly.
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::perror(path_.c_str());
        std::abort();
    }
}

InputFile::~InputFile() { std::remove(path_.c_str()); }

}  // namespace qv::fuzz
