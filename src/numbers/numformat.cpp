#include "numformat.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "numparse.h"
#include "platform_tochars.h"

namespace lineer {

namespace {

// Decimal digits of a finite non-zero magnitude with 15 significant digits:
// digits[0] has the weight 10^exp.
struct Digits15 {
    char d[16];
    int len = 15;
    int exp = 0;
};

Digits15 digits15(double mag) {
    char buf[40];
    auto res = toChars(buf, buf + sizeof buf, mag, std::chars_format::scientific, 14);
    // Form: d.ddddddddddddddde[+-]XX[X]
    Digits15 r;
    r.d[0] = buf[0];
    std::memcpy(r.d + 1, buf + 2, 14);
    const char* e = buf + 16;  // after 'e'
    ++e;
    bool neg = *e == '-';
    ++e;
    int x = 0;
    for (; e < res.ptr; ++e) x = x * 10 + (*e - '0');
    r.exp = neg ? -x : x;
    return r;
}

}  // namespace

void appendFixed4Exact(std::string& out, double v, std::string_view dec) {
    if (v == 0) {
        out.append("0");
        out.append(dec);
        out.append("0000");
        return;
    }
    bool negative = v < 0;
    Digits15 g = digits15(std::fabs(v));
    // Keep the digits whose weight is at least 10^-4.
    int keep = g.exp + 5;
    char digits[400];
    int len;
    int exp = g.exp;
    if (keep >= 15) {
        std::memcpy(digits, g.d, 15);
        len = 15;
    } else if (keep < 0) {
        len = 0;  // below 0.00005: rounds to zero
    } else {
        bool up = g.d[keep] >= '5';
        std::memcpy(digits, g.d, keep);
        len = keep;
        if (up) {
            int i = len - 1;
            while (i >= 0 && digits[i] == '9') {
                digits[i] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[i];
            } else {
                std::memmove(digits + 1, digits, len);
                digits[0] = '1';
                ++len;
                ++exp;
            }
        }
    }
    // Digit of weight 10^w.
    auto digitAt = [&](int w) -> char {
        int idx = exp - w;
        return (idx >= 0 && idx < len) ? digits[idx] : '0';
    };
    bool allZero = true;
    for (int i = 0; i < len; ++i)
        if (digits[i] != '0') allZero = false;
    if (negative && !allZero) out.push_back('-');
    if (exp < 0 || len == 0) {
        out.push_back('0');
    } else {
        for (int w = exp; w >= 0; --w) out.push_back(digitAt(w));
    }
    out.append(dec);
    for (int w = -1; w >= -4; --w) out.push_back(digitAt(w));
}

namespace {

// "00" to "99": two digits per table lookup.
constexpr char kPairs[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the two digits of v < 100 at p.
inline void putPair(char* p, unsigned v) { std::memcpy(p, kPairs + 2 * v, 2); }

}  // namespace

// The fast path decides from t = |v| * 10^4, computed in doubles.
//
// Let D be the 15-significant-digit decimal form of |v|. The rule rounds
// D * 10^4 half away from zero, that is q = floor(D * 10^4 + 1/2). Two
// errors separate t from D * 10^4:
//   - D differs from |v| by at most half a unit of its 15th digit, which is
//     at most 5e-15 * |v| (the leading digit's weight is at most |v|);
//   - the product |v| * 10^4 is rounded once, by at most 2^-53 * t.
// Together |t - D * 10^4| < 5.2e-15 * t, plus far less than 1e-9 for
// subnormal |v|, so below the margin 6e-15 * t + 1e-9.
//
// floor(x + 1/2) changes only at the halfway points k + 1/2. When the
// fractional part of t is farther than the margin from 1/2, no halfway
// point lies between t and D * 10^4, and q = floor(t) + (frac > 1/2) is the
// rule's result. Otherwise the exact conversion decides.
//
// For |v| < 10^9, t < 10^13 < 2^53: the truncation to an integer is exact
// and equals floor(t), frac = t - floor(t) is exact, and frac - 1/2 is
// exact whenever it is small (Sterbenz), which is the only case where its
// comparison with the margin (at most 0.07) matters.
char* writeFixed4Fast(char* p, double v, std::string_view dec) {
    const double mag = std::fabs(v);
    if (!(mag < 1e9)) return nullptr;
    const double t = mag * 1e4;
    const auto whole = static_cast<std::int64_t>(t);
    const double frac = t - static_cast<double>(whole);
    const double margin = t * 6e-15 + 1e-9;
    const double dist = frac - 0.5;
    if (std::fabs(dist) <= margin) return nullptr;
    const std::uint64_t q = static_cast<std::uint64_t>(whole) + (dist > 0 ? 1u : 0u);

    // q <= 10^13, so the integer part ip <= 10^9 has at most ten digits.
    // The text is put together without branches on the digits (which the
    // processor could not predict): the digits of ip zero-padded to four or
    // to ten places, the decimal symbol, the four decimals; then copied from
    // past the padding in one 16-byte move.
    const auto ip = static_cast<std::uint32_t>(q / 10000);
    const auto fp = static_cast<unsigned>(q - static_cast<std::uint64_t>(ip) * 10000);
    const char point = dec.empty() ? '.' : dec[0];
    char text[32] = {};
    int len;
    const char* first;
    char* decimals;
    if (ip < 10000) {
        // The usual case, four integer digits at most.
        len = 1 + (ip >= 10) + (ip >= 100) + (ip >= 1000);
        putPair(text, ip / 100);
        putPair(text + 2, ip % 100);
        text[4] = point;
        decimals = text + 5;
        first = text + (4 - len);
    } else {
        len = 5 + (ip >= 100000) + (ip >= 1000000) + (ip >= 10000000) + (ip >= 100000000) + (ip >= 1000000000);
        const unsigned mid = ip / 10000 % 10000;
        const unsigned low = ip % 10000;
        putPair(text, ip / 100000000);
        putPair(text + 2, mid / 100);
        putPair(text + 4, mid % 100);
        putPair(text + 6, low / 100);
        putPair(text + 8, low % 100);
        text[10] = point;
        decimals = text + 11;
        first = text + (10 - len);
    }
    putPair(decimals, fp / 100);
    putPair(decimals + 2, fp % 100);

    *p = '-';
    p += (v < 0 && q != 0) ? 1 : 0;
    std::memcpy(p, first, 16);  // the text and what follows it in the buffer
    if (dec.size() == 1) return p + len + 5;
    // A decimal symbol of another length replaces the one in the text.
    p += len;
    std::memcpy(p, dec.data(), dec.size());
    p += dec.size();
    std::memcpy(p, decimals, 4);
    return p + 4;
}

void appendFixed4(std::string& out, double v, std::string_view dec) {
    if (dec.size() <= kFixed4FastMax - 18) {
        char buf[kFixed4FastMax];
        if (char* e = writeFixed4Fast(buf, v, dec)) {
            out.append(buf, static_cast<std::size_t>(e - buf));
            return;
        }
    }
    appendFixed4Exact(out, v, dec);
}

std::string formatFixed4(double v, std::string_view dec) {
    std::string s;
    appendFixed4(s, v, dec);
    return s;
}

std::string formatRounded(double v, int decimals, std::string_view dec) {
    // Round on the exact binary value, ties to even.
    char buf[400];
    auto res = toChars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    double r = 0;
    r = decimalToDouble(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    if (r == 0) return "0";
    std::string out;
    if (r < 0) out.push_back('-');
    Digits15 g = digits15(std::fabs(r));
    int len = 15;
    while (len > 1 && g.d[len - 1] == '0') --len;
    if (g.exp >= 15) {
        out.push_back(g.d[0]);
        if (len > 1) {
            out.append(dec);
            out.append(g.d + 1, len - 1);
        }
        out.append("E+");
        appendInt(out, g.exp);
        return out;
    }
    // Plain decimal notation.
    if (g.exp < 0) {
        out.push_back('0');
        out.append(dec);
        for (int i = -1; i > g.exp; --i) out.push_back('0');
        out.append(g.d, len);
        return out;
    }
    for (int w = g.exp, idx = 0; w >= 0; --w, ++idx) out.push_back(idx < len ? g.d[idx] : '0');
    if (len > g.exp + 1) {
        out.append(dec);
        out.append(g.d + g.exp + 1, len - g.exp - 1);
    }
    return out;
}

std::string formatSignificant(double v, int digits, std::string_view dec) {
    if (v == 0) return "0";
    char buf[64];
    auto res = toChars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
    // Form: [-]d[.ddd]e[+-]XX[X]
    std::string_view t(buf, static_cast<std::size_t>(res.ptr - buf));
    std::string out;
    if (t[0] == '-') {
        out.push_back('-');
        t.remove_prefix(1);
    }
    const std::size_t e = t.find('e');
    std::string mant;
    for (char c : t.substr(0, e))
        if (c != '.') mant.push_back(c);
    while (mant.size() > 1 && mant.back() == '0') mant.pop_back();
    int exp = 0;
    for (char c : t.substr(e + 2)) exp = exp * 10 + (c - '0');
    if (t[e + 1] == '-') exp = -exp;
    if (exp >= 4 || exp < -3) {
        out.push_back(mant[0]);
        if (mant.size() > 1) {
            out.append(dec);
            out.append(mant, 1);
        }
        out.append(exp < 0 ? "E-" : "E+");
        if (std::abs(exp) < 10) out.push_back('0');
        appendInt(out, std::abs(exp));
        return out;
    }
    if (exp < 0) {
        out.append("0");
        out.append(dec);
        out.append(static_cast<std::size_t>(-exp - 1), '0');
        out.append(mant);
        return out;
    }
    // exp + 1 integer digits, padded with zeros when the digits run out.
    const std::size_t whole = static_cast<std::size_t>(exp) + 1;
    if (mant.size() <= whole) {
        out.append(mant);
        out.append(whole - mant.size(), '0');
    } else {
        out.append(mant, 0, whole);
        out.append(dec);
        out.append(mant, whole);
    }
    return out;
}

std::string formatSignificantScaled(double m, int e, int digits, std::string_view dec) {
    int k = 0;
    m = std::frexp(m, &k);
    e += k;
    if (m == 0 || (e > DBL_MIN_EXP && e < DBL_MAX_EXP)) return formatSignificant(std::ldexp(m, e), digits, dec);
    // value = m × 2^e = q × 10^t with q near [1, 10): 10^|t| is built by
    // squaring, each product normalised so that none leaves the range.
    long long t = static_cast<long long>(std::floor((e + std::log2(std::fabs(m))) * 0.30102999566398120));
    double pm = 1;
    long long pe = 0;
    double base = 10;
    long long baseExp = 0;
    for (long long rest = t < 0 ? -t : t; rest > 0; rest >>= 1) {
        if (rest & 1) {
            pm = std::frexp(pm * base, &k);
            pe += baseExp + k;
        }
        base = std::frexp(base * base, &k);
        baseExp = 2 * baseExp + k;
    }
    double q = t < 0 ? std::ldexp(m * pm, static_cast<int>(e + pe)) : std::ldexp(m / pm, static_cast<int>(e - pe));
    if (std::fabs(q) >= 10) {
        q /= 10;
        ++t;
    } else if (std::fabs(q) < 1) {
        q *= 10;
        --t;
    }
    std::string out = formatSignificant(q, digits, dec);
    // A mantissa that rounds up to 10 is 1 of the next power.
    if (out == "10" || out == "-10") {
        out = q < 0 ? "-1" : "1";
        ++t;
    }
    out.append(t < 0 ? "E-" : "E+");
    const long long a = t < 0 ? -t : t;
    if (a < 10) out.push_back('0');
    appendInt(out, a);
    return out;
}

void appendInt(std::string& out, long long v) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

std::string intText(long long v) {
    std::string s;
    appendInt(s, v);
    return s;
}

std::string groupedInt(long long v, std::string_view group) {
    const std::string digits = intText(v);
    const std::size_t first = digits[0] == '-' ? 1 : 0;
    std::string out = digits.substr(0, first);
    for (std::size_t i = first; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0) out += group;
        out += digits[i];
    }
    return out;
}

}  // namespace lineer
