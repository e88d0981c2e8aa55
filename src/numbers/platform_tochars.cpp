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

}  // namespace

std::to_chars_result toChars(char* first, char* last, double v) {
    if (!std::isfinite(v)) return write(first, last, "{}", v);
    // {fmt}'s shortest digits are std::to_chars's (the fewest that read back
    // as v, the nearest of them to v); only the layout differs. Its text is
    // read back into the digits and the exponent x of the first digit's
    // weight, 10^x, and laid out again.
    char text[40];
    const auto written = fmt::format_to_n(text, sizeof text, "{}", v);
    std::string_view t(text, static_cast<std::size_t>(written.out - text));
    const bool negative = !t.empty() && t[0] == '-';
    if (negative) t.remove_prefix(1);
    char digits[24];
    int count = 0, whole = 0, leadingZeros = 0, exp = 0;
    bool point = false;
    std::size_t i = 0;
    for (; i < t.size() && t[i] != 'e'; ++i) {
        if (t[i] == '.') {
            point = true;
        } else {
            if (!point) ++whole;
            if (count == 0 && t[i] == '0') ++leadingZeros;
            else digits[count++] = t[i];
        }
    }
    if (i < t.size()) {
        const bool expNegative = t[i + 1] == '-';
        for (i += 2; i < t.size(); ++i) exp = exp * 10 + (t[i] - '0');
        if (expNegative) exp = -exp;
    }
    if (count == 0) return negative ? write(first, last, "-0") : write(first, last, "0");
    while (count > 1 && digits[count - 1] == '0') --count;
    const int x = whole - 1 + exp - leadingZeros;

    const int ax = x < 0 ? -x : x;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (ax >= 100 ? 3 : 2);
    const int fixedLength = x >= count - 1 ? x + 1 : x >= 0 ? count + 1 : count + 1 - x;
    if (fixedLength <= scientificLength && x >= count - 1) {
        // A whole number is written with all its digits, as printf's %.0f
        // writes it: beyond 2^53 they are not the shortest digits padded
        // with zeros.
        return write(first, last, "{:.0f}", v);
    }
    const int length = negative + (fixedLength <= scientificLength ? fixedLength : scientificLength);
    if (last - first < length) return tooLarge(last);
    char* p = first;
    if (negative) *p++ = '-';
    if (fixedLength <= scientificLength) {
        if (x < 0) {
            *p++ = '0';
            *p++ = '.';
            for (int z = -1; z > x; --z) *p++ = '0';
            std::memcpy(p, digits, static_cast<std::size_t>(count));
            p += count;
        } else {
            std::memcpy(p, digits, static_cast<std::size_t>(x + 1));
            p += x + 1;
            *p++ = '.';
            std::memcpy(p, digits + x + 1, static_cast<std::size_t>(count - x - 1));
            p += count - x - 1;
        }
    } else {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            std::memcpy(p, digits + 1, static_cast<std::size_t>(count - 1));
            p += count - 1;
        }
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        if (ax >= 100) *p++ = static_cast<char>('0' + ax / 100);
        *p++ = static_cast<char>('0' + ax / 10 % 10);
        *p++ = static_cast<char>('0' + ax % 10);
    }
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
