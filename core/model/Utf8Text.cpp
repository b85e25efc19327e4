#include "core/model/Utf8Text.h"

namespace qv {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The byte length of the character that starts at text[at].
std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || at + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k)
        if (!isContinuation(static_cast<unsigned char>(text[at + k]))) return 1;
    return length;
}

}  // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at)) ++count;
    return count;
}

std::string leadingCharacters(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken)
        at += characterLength(text, at);
    return std::string(text.substr(0, at));
}

}  // namespace qv
