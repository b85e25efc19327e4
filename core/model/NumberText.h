#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Conversions of typed or stored texts to numbers, strict like a dialog's entry check:
// surrounding blanks are allowed, anything else that is not part of the number fails.
std::optional<int> parseInteger(std::string_view text);
std::optional<double> parseNumber(std::string_view text);
// A finite number written with nothing around it (no blanks, no plus sign).
std::optional<double> parsePlainNumber(std::string_view text);

// The conversion errors quote the text that failed.
std::string integerConversionError(std::string_view text);
std::string numberConversionError(std::string_view text);

}  // namespace qv
