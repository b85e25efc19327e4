#pragma once

#include <cstddef>

namespace qv {

// Room for any double in fixed notation with up to 15 decimals: 309 digits, the sign, the
// point and the decimals.
inline constexpr std::size_t kFixedTextRoom = 352;

// Writes value in fixed notation with `decimals` decimals (0 to 15), exactly as
// std::to_chars does, into buffer (kFixedTextRoom characters); returns the length. A value
// that is a whole number of units of the last decimal, below 10^15 of them, is written
// from that integer, several times faster than the general conversion.
std::size_t WriteFixedDecimal(double value, int decimals, char* buffer);

// True when the fixed text of value with `decimals` decimals reads back as value.
bool ReadsBackWithDecimals(double value, int decimals);

}  // namespace qv
