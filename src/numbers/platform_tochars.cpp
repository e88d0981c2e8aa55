#include "platform_tochars.h"

#ifdef LINEER_TO_CHARS_FMT

#include <cmath>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <system_error>

#include <fmt/format.h>

namespace lineer {

namespace {

std::to_chars_result tooLarge(char* last) { return {last, std::errc::value_too_large}; }

template <typename... Args>
std::to_chars_result write(char* first, char* last, fmt::format_string<Args...> f, Args&&... args) {
    const auto size = static_cast<std::size_t>(last - first);
    const auto r = fmt::format_to_n(first, size, f, static_cast<Args&&>(args)...);
    if (r.size > size) return tooLarge(last);
    return {r.out, std::errc()};
}

// The shortest digits of a finite double, as {fmt} finds them: no leading
// or trailing zeros (none at all for a zero), the first weighing 10^x.
struct ShortestDigits {
    char digits[24];
    int count = 0;
    int x = 0;
    bool negative = false;
};

// {fmt}'s shortest digits are std::to_chars's (the fewest that read back as
// v, the nearest of them to v); only the layout differs. Its text is read
// back into the digits and the exponent x of the first digit's weight.
ShortestDigits shortestDigits(double v) {
    ShortestDigits s;
    char text[40];
    const auto written = fmt::format_to_n(text, sizeof text, "{}", v);
    std::string_view t(text, static_cast<std::size_t>(written.out - text));
    s.negative = !t.empty() && t[0] == '-';
    if (s.negative) t.remove_prefix(1);
    int whole = 0, leadingZeros = 0, exp = 0;
    bool point = false;
    std::size_t i = 0;
    for (; i < t.size() && t[i] != 'e'; ++i) {
        if (t[i] == '.') {
            point = true;
        } else {
            if (!point) ++whole;
            if (s.count == 0 && t[i] == '0') ++leadingZeros;
            else s.digits[s.count++] = t[i];
        }
    }
    if (i < t.size()) {
        const bool expNegative = t[i + 1] == '-';
        for (i += 2; i < t.size(); ++i) exp = exp * 10 + (t[i] - '0');
        if (expNegative) exp = -exp;
    }
    while (s.count > 1 && s.digits[s.count - 1] == '0') --s.count;
    s.x = whole - 1 + exp - leadingZeros;
    return s;
}

// The digits in fixed form at p, for x < count - 1; returns the end.
char* writeFixed(char* p, const ShortestDigits& s) {
    const int count = s.count, x = s.x;
    if (x < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int z = -1; z > x; --z) *p++ = '0';
        std::memcpy(p, s.digits, static_cast<std::size_t>(count));
        return p + count;
    }
    std::memcpy(p, s.digits, static_cast<std::size_t>(x + 1));
    p += x + 1;
    *p++ = '.';
    std::memcpy(p, s.digits + x + 1, static_cast<std::size_t>(count - x - 1));
    return p + (count - x - 1);
}

// The digits in scientific form at p, with two or three exponent digits;
// returns the end.
char* writeScientific(char* p, const ShortestDigits& s) {
    const int ax = s.x < 0 ? -s.x : s.x;
    *p++ = s.digits[0];
    if (s.count > 1) {
        *p++ = '.';
        std::memcpy(p, s.digits + 1, static_cast<std::size_t>(s.count - 1));
        p += s.count - 1;
    }
    *p++ = 'e';
    *p++ = s.x < 0 ? '-' : '+';
    if (ax >= 100) *p++ = static_cast<char>('0' + ax / 100);
    *p++ = static_cast<char>('0' + ax / 10 % 10);
    *p++ = static_cast<char>('0' + ax % 10);
    return p;
}

}  // namespace

std::to_chars_result toChars(char* first, char* last, double v) {
    if (!std::isfinite(v)) return write(first, last, "{}", v);
    const ShortestDigits s = shortestDigits(v);
    if (s.count == 0) return s.negative ? write(first, last, "-0") : write(first, last, "0");
    const int count = s.count, x = s.x;
    const int ax = x < 0 ? -x : x;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (ax >= 100 ? 3 : 2);
    const int fixedLength = x >= count - 1 ? x + 1 : x >= 0 ? count + 1 : count + 1 - x;
    const bool fixed = fixedLength <= scientificLength;
    if (fixed && x >= count - 1) {
        // A whole number is written with all its digits, as printf's %.0f
        // writes it: beyond 2^53 they are not the shortest digits padded
        // with zeros.
        return write(first, last, "{:.0f}", v);
    }
    const int length = s.negative + (fixed ? fixedLength : scientificLength);
    if (last - first < length) return tooLarge(last);
    char* p = first;
    if (s.negative) *p++ = '-';
    p = fixed ? writeFixed(p, s) : writeScientific(p, s);
    return {p, std::errc()};
}

std::to_chars_result toChars(char* first, char* last, double v, std::chars_format form, int precision) {
    if (form == std::chars_format::fixed) return write(first, last, "{:.{}f}", v, precision);
    return write(first, last, "{:.{}e}", v, precision);
}

}  // namespace lineer

#else

namespace lineer {

std::to_chars_result toChars(char* first, char* last, double v) { return std::to_chars(first, last, v); }

std::to_chars_result toChars(char* first, char* last, double v, std::chars_format form, int precision) {
    return std::to_chars(first, last, v, form, precision);
}

}  // namespace lineer

#endif
