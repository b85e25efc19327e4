#include "core/engine/AppendFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace qv {
namespace {

// The arguments behind a format, in a struct so that helpers can take them by reference.
struct Arguments {
    va_list list;
};

// One conversion: %[flags][width][.precision][length]kind.
struct Conversion {
    bool left = false;
    bool zero = false;
    bool plus = false;
    bool space = false;
    int width = 0;
    int precision = -1;
    int longs = 0;  // "l" = 1, "ll" = 2, "z" = 3
    char kind = 0;
};

int digitsAt(const char*& at) {
    int value = 0;
    while (*at >= '0' && *at <= '9') value = value * 10 + (*at++ - '0');
    return value;
}

void readFlags(const char*& at, Conversion& c) {
    for (;; ++at) {
        if (*at == '-') c.left = true;
        else if (*at == '0') c.zero = true;
        else if (*at == '+') c.plus = true;
        else if (*at == ' ') c.space = true;
        else return;
    }
}

void readWidthAndPrecision(const char*& at, Conversion& c, Arguments& args) {
    if (*at == '*') {
        ++at;
        c.width = va_arg(args.list, int);
        if (c.width < 0) {
            c.left = true;
            c.width = -c.width;
        }
    } else {
        c.width = digitsAt(at);
    }
    if (*at != '.') return;
    ++at;
    if (*at == '*') {
        ++at;
        c.precision = std::max(va_arg(args.list, int), -1);
    } else {
        c.precision = digitsAt(at);
    }
}

void readLength(const char*& at, Conversion& c) {
    if (*at == 'z') {
        c.longs = 3;
        ++at;
        return;
    }
    while (*at == 'h') ++at;  // short arguments arrive as int
    while (*at == 'l' && c.longs < 2) {
        ++c.longs;
        ++at;
    }
}

// The field: blanks before (or after, for "-") the body; zeros go between sign and digits.
void appendField(std::string& out, std::string_view body, const Conversion& c, bool zeroPads) {
    const size_t width = static_cast<size_t>(c.width);
    const size_t fill = width > body.size() ? width - body.size() : 0;
    if (c.left) {
        out.append(body).append(fill, ' ');
    } else if (c.zero && zeroPads) {
        const size_t sign = !body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ') ? 1 : 0;
        out.append(body.substr(0, sign)).append(fill, '0').append(body.substr(sign));
    } else {
        out.append(fill, ' ').append(body);
    }
}

std::string withSign(std::string digits, bool negative, const Conversion& c) {
    if (negative) return "-" + digits;
    if (c.plus) return "+" + digits;
    if (c.space) return " " + digits;
    return digits;
}

// A figure that shows nothing but zeros carries no minus sign: "-0.000000" reads "0.000000".
bool showsOnlyZeros(std::string_view text) {
    const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
    return std::none_of(mantissa.begin(), mantissa.end(), [](char c) { return c >= '1' && c <= '9'; });
}

void appendFloating(std::string& out, double value, const Conversion& c) {
    const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(c.kind)));
    const std::chars_format style = kind == 'f'   ? std::chars_format::fixed
                                    : kind == 'e' ? std::chars_format::scientific
                                                  : std::chars_format::general;
    const int precision = c.precision < 0 ? 6 : c.precision;
    // The widest fixed text of a double: 309 integer digits, the point and the decimals.
    std::string digits(static_cast<size_t>(precision) + 320, '\0');
    const bool negative = std::signbit(value);
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(),
                                      negative ? -value : value, style, precision);
    digits.resize(static_cast<size_t>(result.ptr - digits.data()));
    if (c.kind != kind)
        std::transform(digits.begin(), digits.end(), digits.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    const bool finite = std::isfinite(value);
    appendField(out, withSign(digits, negative && !(finite && showsOnlyZeros(digits)), c), c, finite);
}

template <typename Integer>
void appendInteger(std::string& out, Integer value, int base, const Conversion& c) {
    char buffer[32];
    bool negative = false;
    if constexpr (std::is_signed_v<Integer>) negative = value < 0;
    const auto magnitude = negative ? -static_cast<unsigned long long>(value)
                                    : static_cast<unsigned long long>(value);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, base);
    std::string digits(buffer, result.ptr);
    if (c.kind == 'X')
        std::transform(digits.begin(), digits.end(), digits.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    if (c.precision >= 0 && digits.size() < static_cast<size_t>(c.precision))
        digits.insert(0, static_cast<size_t>(c.precision) - digits.size(), '0');
    appendField(out, withSign(digits, negative, c), c, c.precision < 0);
}

void appendSigned(std::string& out, const Conversion& c, Arguments& args) {
    if (c.longs == 3) appendInteger(out, va_arg(args.list, ptrdiff_t), 10, c);
    else if (c.longs == 2) appendInteger(out, va_arg(args.list, long long), 10, c);
    else if (c.longs == 1) appendInteger(out, va_arg(args.list, long), 10, c);
    else appendInteger(out, va_arg(args.list, int), 10, c);
}

void appendUnsigned(std::string& out, const Conversion& c, Arguments& args) {
    const int base = c.kind == 'u' ? 10 : 16;
    if (c.longs == 3) appendInteger(out, va_arg(args.list, size_t), base, c);
    else if (c.longs == 2) appendInteger(out, va_arg(args.list, unsigned long long), base, c);
    else if (c.longs == 1) appendInteger(out, va_arg(args.list, unsigned long), base, c);
    else appendInteger(out, va_arg(args.list, unsigned), base, c);
}

void appendText(std::string& out, const Conversion& c, Arguments& args) {
    std::string_view text;
    char single = 0;
    if (c.kind == 'c') {
        single = static_cast<char>(va_arg(args.list, int));
        text = std::string_view(&single, 1);
    } else {
        const char* chars = va_arg(args.list, const char*);
        text = chars ? std::string_view(chars) : std::string_view("(null)");
        if (c.precision >= 0) text = text.substr(0, static_cast<size_t>(c.precision));
    }
    appendField(out, text, c, false);
}

// Appends one conversion; returns false for a kind this formatter does not know.
bool appendConversion(std::string& out, const Conversion& c, Arguments& args) {
    switch (c.kind) {
        case 'd': case 'i': appendSigned(out, c, args); return true;
        case 'u': case 'x': case 'X': appendUnsigned(out, c, args); return true;
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G':
            appendFloating(out, va_arg(args.list, double), c);
            return true;
        case 'c': case 's': appendText(out, c, args); return true;
        case '%': out += '%'; return true;
        default: return false;
    }
}

void appendFormatted(std::string& out, const char* format, Arguments& args) {
    for (const char* at = format; *at;) {
        if (*at != '%') {
            const char* next = std::strchr(at, '%');
            const size_t length = next ? static_cast<size_t>(next - at) : std::strlen(at);
            out.append(at, length);
            at += length;
            continue;
        }
        const char* start = at++;
        Conversion c;
        readFlags(at, c);
        readWidthAndPrecision(at, c, args);
        readLength(at, c);
        c.kind = *at;
        if (*at) ++at;
        if (!appendConversion(out, c, args)) out.append(start, static_cast<size_t>(at - start));
    }
}

}  // namespace

void AppendFormat(std::string& out, const char* format, ...) {
    Arguments args;
    va_start(args.list, format);
    appendFormatted(out, format, args);
    va_end(args.list);
}

std::string Formatted(const char* format, ...) {
    std::string out;
    Arguments args;
    va_start(args.list, format);
    appendFormatted(out, format, args);
    va_end(args.list);
    return out;
}

}  // namespace qv
