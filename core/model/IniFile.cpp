#include "core/model/IniFile.h"

#include "core/model/WholeFile.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "core/model/BlankTrim.h"
#include "core/model/NumberText.h"

namespace qv {
namespace {

std::string folded(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view text = trimmedBlanks(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmedBlanks(text.substr(1, close - 1));
}

std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view text = trimmedBlanks(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trimmedBlanks(line.substr(0, equals));
}

// The value of a key line. A hand-written "Key = value" has blanks around the equals sign that
// are no part of the value; this class never writes a blank before it, so values it wrote
// come back verbatim.
std::string valueOf(const std::string& line) {
    const auto equals = line.find('=');
    std::string value = line.substr(equals + 1);
    if (equals > 0 && (line[equals - 1] == ' ' || line[equals - 1] == '\t')) value = trimmedBlanks(value);
    return value;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line break inside a value or key would split the entry; it becomes a blank.
std::string singleLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

IniFile::Line IniFile::Line::parse(std::string text) {
    Line line;
    line.text = std::move(text);
    if (const auto section = sectionName(line.text)) {
        line.kind = Kind::Section;
        line.name = folded(*section);
    } else if (const auto key = keyName(line.text)) {
        line.kind = Kind::Key;
        line.name = folded(*key);
    }
    return line;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {
    std::string reason;
    const std::optional<std::string> bytes = ReadWholeFile(path_, reason);
    if (!bytes) return;
    existed_ = true;
    setText(*bytes);
}

void IniFile::setText(const std::string& text) {
    lines_.clear();
    // A byte-order mark from an editor is kept for the save but is no part of the first line.
    byteOrderMark_ = text.starts_with(kByteOrderMark);
    std::istringstream stream(text.substr(byteOrderMark_ ? kByteOrderMark.size() : 0));
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(Line::parse(std::move(line)));
    }
}

std::string IniFile::text() const {
    std::string text(byteOrderMark_ ? kByteOrderMark : "");
    for (const Line& line : lines_) text.append(line.text).append("\r\n");
    return text;
}

std::optional<IniFile::Range> IniFile::findSection(const std::string& section) const {
    const std::string name = folded(section);
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Line::Kind::Section || lines_[i].name != name) continue;
        size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Line::Kind::Section) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::findKey(const Range& range, const std::string& key) const {
    const std::string name = folded(key);
    for (size_t i = range.header + 1; i < range.end; ++i)
        if (lines_[i].kind == Line::Kind::Key && lines_[i].name == name) return i;
    return std::nullopt;
}

bool IniFile::hasSection(const std::string& section) const {
    return findSection(section).has_value();
}

std::vector<std::pair<std::string, std::string>> IniFile::entries(
    const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> found;
    const auto range = findSection(section);
    if (!range) return found;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        const std::string& text = lines_[i].text;
        if (const auto name = keyName(text)) found.emplace_back(std::string(*name), valueOf(text));
    }
    return found;
}

std::optional<std::string> IniFile::value(const std::string& section,
                                          const std::string& key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    const auto line = findKey(*range, key);
    if (!line) return std::nullopt;
    return valueOf(lines_[*line].text);
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

int IniFile::readInt(const std::string& section, const std::string& key, int fallback) const {
    const auto text = value(section, key);
    if (!text) return fallback;
    return parseInteger(*text).value_or(fallback);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const {
    return readInt(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::removeKey(const std::string& section, const std::string& key) {
    const auto range = findSection(section);
    if (!range) return;
    if (const auto line = findKey(*range, key)) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
    const std::string entry = singleLine(key) + "=" + singleLine(value);
    const auto range = findSection(section);
    if (!range) {
        std::string header(1, '[');
        header.append(singleLine(section)).push_back(']');
        lines_.push_back(Line::parse(std::move(header)));
        lines_.push_back(Line::parse(entry));
        return;
    }
    if (const auto line = findKey(*range, key)) {
        // Keep the key as the file spells it, without blanks around the equals sign, so the
        // value reads back as it was written.
        std::string& text = lines_[*line].text;
        text = std::string(trimmedBlanks(std::string_view(text).substr(0, text.find('=')))) + "=" + singleLine(value);
        return;
    }
    size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trimmedBlanks(lines_[insertAt - 1].text).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), Line::parse(entry));
}

void IniFile::writeInt(const std::string& section, const std::string& key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

std::optional<std::string> IniFile::save() const { return WriteWholeFile(path_, text()); }

}  // namespace qv
