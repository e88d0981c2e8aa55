#include "numparse.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdint>

#include "rational.h"

namespace lineer {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// `t` is a decimal number with an E exponent, whole. fast_float reads
// everything of that form except a leading plus sign, so the sign is
// applied here.
double valueOf(std::string_view t) {
    const bool negative = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') t.remove_prefix(1);
    double v = 0;
    fast_float::from_chars(t.data(), t.data() + t.size(), v);
    return negative ? -v : v;
}

}  // namespace

std::size_t decimalPrefix(std::string_view t, bool dExponent) {
    const std::size_t n = t.size();
    std::size_t i = 0;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        if (isDigit(t[i])) {
            digits = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (i < n && (t[i] == 'E' || t[i] == 'e' || (dExponent && (t[i] == 'D' || t[i] == 'd')))) {
        std::size_t j = i + 1;
        if (j < n && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t first = j;
        while (j < n && isDigit(t[j])) ++j;
        if (j > first) i = j;
    }
    return i;
}

double decimalToDouble(std::string_view text) {
    if (text.empty() || decimalPrefix(text) != text.size()) return 0.0;
    return valueOf(text);
}

double hexToDouble(std::string_view digits) {
    // The first 54 significant bits (the double's 53 and the rounding bit),
    // how many bits follow them, and whether one of those is set.
    std::uint64_t top = 0;
    int kept = 0;
    int dropped = 0;
    bool sticky = false;
    constexpr int kBeyondRange = 1100;  // 2^1100 is infinite already
    for (char c : digits) {
        const int v = hexValue(c);
        if (v < 0) return 0.0;
        for (int b = 3; b >= 0; --b) {
            const unsigned bit = static_cast<unsigned>(v >> b) & 1u;
            if (kept == 0 && bit == 0) continue;
            if (kept < 54) {
                top = top << 1 | bit;
                ++kept;
            } else {
                dropped += dropped < kBeyondRange;
                sticky = sticky || bit != 0;
            }
        }
    }
    if (kept < 54) return static_cast<double>(top);  // exact
    std::uint64_t mantissa = top >> 1;
    if ((top & 1) && (sticky || (mantissa & 1))) ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), dropped + 1);
}

FileNumber readFileNumber(std::string_view text) {
    FileNumber r;
    if (text.empty()) {
        r.status = NumberStatus::Empty;
    } else if (text.find('/') != std::string_view::npos) {
        r = readFileFraction(text);
    } else if (decimalPrefix(text) != text.size()) {
        r.status = text.find(',') != std::string_view::npos ? NumberStatus::DecimalComma : NumberStatus::NotANumber;
    } else if (const double v = valueOf(text); !std::isfinite(v)) {
        r.status = NumberStatus::TooLarge;
    } else {
        r.status = NumberStatus::Number;
        r.value = v;
    }
    return r;
}

bool parseFileNumber(std::string_view text, double& value) {
    const FileNumber r = readFileNumber(text);
    if (r.status != NumberStatus::Number) return false;
    value = r.value;
    return true;
}

}  // namespace lineer
