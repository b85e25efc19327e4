#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Names are measured in characters, not bytes: "Qualität" is 8 characters in 9 bytes.
// A byte that starts no character of valid UTF-8 counts as one character, so any text has
// a length and cutting it never loops.
std::size_t characterCount(std::string_view text);

// The first count characters of the text, never cutting a character in two.
std::string leadingCharacters(std::string_view text, std::size_t count);

}  // namespace qv
