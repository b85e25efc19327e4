#pragma once

#include <string>

namespace lvpls {

inline constexpr int kFieldWidth = 10;

// Appends a number right-aligned in a 10-character field with at least one blank in front,
// with 6 decimals when they fit and as many as fit otherwise; exponent form beyond.
void appendField(std::string& out, double value);

// Appends text left-aligned in `width` columns, cut to fit.
void appendPadded(std::string& out, std::string_view text, std::size_t width);
// Appends text right-aligned in `width` columns, cut to fit.
void appendRightAligned(std::string& out, std::string_view text, std::size_t width);

}  // namespace lvpls
