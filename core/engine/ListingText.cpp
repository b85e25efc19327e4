#include "core/engine/ListingText.h"

#include <charconv>

namespace qv {
namespace {

constexpr size_t kNumberWidth = 10;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The first non-blank position at or after position, staying on the line.
size_t skipBlanks(std::string_view text, size_t position) {
    while (position < text.size() && isBlank(text[position])) ++position;
    return position;
}

bool inside(std::string_view text, TextPos position) {
    return position >= 0 && static_cast<size_t>(position) < text.size();
}

}  // namespace

TextPos FindText(std::string_view text, TextPos start, std::string_view what) {
    if (start < 0) start = 0;
    if (start > static_cast<TextPos>(text.size())) return kNotFound;
    const size_t found = text.find(what, static_cast<size_t>(start));
    return found == std::string_view::npos ? kNotFound : static_cast<TextPos>(found);
}

TextPos SkipLines(std::string_view text, TextPos position, int count) {
    size_t at = position < 0 ? 0 : static_cast<size_t>(position);
    for (int i = 0; i < count && at < text.size(); ++i) {
        const size_t lineEnd = text.find('\n', at);
        at = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
    }
    return static_cast<TextPos>(at < text.size() ? at : text.size());
}

bool ReadNumberField(std::string_view text, TextPos position, float& target) {
    if (!inside(text, position)) return false;
    const size_t start = skipBlanks(text, static_cast<size_t>(position));
    std::string_view field = text.substr(start, kNumberWidth);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end == field.data()) return false;
    target = value;
    return true;
}

std::string LineAt(std::string_view text, TextPos position, size_t maxLength) {
    if (!inside(text, position)) return {};
    std::string_view rest = text.substr(static_cast<size_t>(position));
    rest = rest.substr(0, rest.find_first_of("\r\n"));
    return std::string(rest.substr(0, maxLength));
}

}  // namespace qv
