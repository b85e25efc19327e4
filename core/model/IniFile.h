#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv {

// An INI file kept as its lines, so that writing a key changes only that key's line and
// everything else (unknown keys, comments, stray lines) is written back as it was read.
// Sections and keys compare without regard to letter case; values are kept verbatim (blanks
// around the equals sign of a hand-edited line are no part of the value). A UTF-8 byte-order
// mark is skipped on reading and written back.
class IniFile {
public:
    IniFile() = default;
    // Reads the file when it exists; a missing file is an empty one (it is created by save).
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    bool existed() const { return existed_; }

    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback = "") const;
    // A missing or non-numeric entry gives the fallback.
    int readInt(const std::string& section, const std::string& key, int fallback) const;
    bool readBool(const std::string& section, const std::string& key, bool fallback) const;
    bool hasSection(const std::string& section) const;
    // Every key of the section with its value, in file order.
    std::vector<std::pair<std::string, std::string>> entries(const std::string& section) const;

    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInt(const std::string& section, const std::string& key, int value);
    void writeBool(const std::string& section, const std::string& key, bool value);
    // Takes the key's line out; a key or section that is not there leaves the file as it is.
    void removeKey(const std::string& section, const std::string& key);

    // Writes every line with CR LF through WriteWholeFile: a failed write never leaves a half
    // file, and a linked or protected file keeps its identity. Returns an error text or nothing.
    std::optional<std::string> save() const;

    // The whole text as save writes it.
    std::string text() const;
    void setText(const std::string& text);

private:
    struct Range { size_t header; size_t end; };  // lines [header+1, end) belong to the section
    std::optional<Range> findSection(const std::string& section) const;
    std::optional<size_t> findKey(const Range& range, const std::string& key) const;

    // A line with its section or key name parsed once, folded for comparing.
    struct Line {
        enum class Kind { Other, Section, Key };
        std::string text;
        Kind kind = Kind::Other;
        std::string name;
        static Line parse(std::string text);
    };

    std::filesystem::path path_;
    std::vector<Line> lines_;
    bool existed_ = false;
    bool byteOrderMark_ = false;
};

}  // namespace qv
