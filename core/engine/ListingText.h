#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// A character position in a listing; -1 means "not found".
using TextPos = std::ptrdiff_t;
inline constexpr TextPos kNotFound = -1;

// The first position at or after start where what begins, or kNotFound. A start of
// kNotFound searches from the beginning, so a missing title does not stop the search.
TextPos FindText(std::string_view text, TextPos start, std::string_view what);

// The position past the next count line ends; the first one finishes the current line.
// Running out of line ends gives the end of the text.
TextPos SkipLines(std::string_view text, TextPos position, int count);

// A "%10f" field: blanks skipped, then at most 10 characters form the number. Returns
// false and leaves target alone when the field holds no number; positions outside the
// text hold none.
bool ReadNumberField(std::string_view text, TextPos position, float& target);

// The rest of the line from position, without its line end, cut to at most maxLength characters.
std::string LineAt(std::string_view text, TextPos position, size_t maxLength);

}  // namespace qv
