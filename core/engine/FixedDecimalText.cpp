#include "core/engine/FixedDecimalText.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace qv {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr double kLargestScaled = 1e15;

// The integer k with k / 10^decimals == value, when there is one below 10^15: the quotient of
// two exactly representable numbers is rounded once, so k's decimal text reads back as value,
// and no other text of that many decimals lies nearer to value.
std::optional<double> scaledExactly(double value, int decimals) {
    const double power = kPowersOfTen[decimals];
    const double scaled = std::nearbyint(value * power);
    if (!(std::fabs(scaled) < kLargestScaled) || scaled / power != value) return std::nullopt;
    return scaled;
}

std::size_t writeScaled(double scaled, bool negative, int decimals, char* buffer) {
    char digits[24];
    int count = 0;
    for (auto units = static_cast<unsigned long long>(std::fabs(scaled)); units > 0 || count <= decimals; units /= 10)
        digits[count++] = static_cast<char>('0' + units % 10);
    std::size_t length = 0;
    if (negative) buffer[length++] = '-';
    for (int d = count - 1; d >= 0; --d) {
        buffer[length++] = digits[d];
        if (d == decimals && decimals > 0) buffer[length++] = '.';
    }
    return length;
}

}  // namespace

std::size_t WriteFixedDecimal(double value, int decimals, char* buffer) {
    if (const std::optional<double> scaled = scaledExactly(value, decimals))
        return writeScaled(*scaled, std::signbit(value), decimals, buffer);
    const auto written = std::to_chars(buffer, buffer + kFixedTextRoom, value, std::chars_format::fixed, decimals);
    return static_cast<std::size_t>(written.ptr - buffer);
}

bool ReadsBackWithDecimals(double value, int decimals) {
    if (scaledExactly(value, decimals)) return true;
    char text[kFixedTextRoom];
    const std::size_t length = WriteFixedDecimal(value, decimals, text);
    double back = 0;
    std::from_chars(text, text + length, back);
    return back == value;
}

}  // namespace qv
