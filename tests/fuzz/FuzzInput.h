#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input written to a file of its own, for readers that take a path: the extension is the
// one the reader dispatches on. The process id keeps parallel fuzzing jobs apart.
class InputFile {
public:
    InputFile(std::string_view bytes, const std::string& extension);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace qv::fuzz
