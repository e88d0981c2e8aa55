#include "numformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

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
    auto res = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, 14);
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

void appendUnsigned(std::string& out, std::uint64_t v) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

void appendFixed4Scaled(std::string& out, bool negative, std::uint64_t q, std::string_view dec) {
    // q is the value times 10^4, rounded.
    if (negative && q != 0) out.push_back('-');
    appendUnsigned(out, q / 10000);
    out.append(dec);
    unsigned f = static_cast<unsigned>(q % 10000);
    char fr[4] = {char('0' + f / 1000), char('0' + f / 100 % 10), char('0' + f / 10 % 10),
                  char('0' + f % 10)};
    out.append(fr, 4);
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
        // Drop leading digits that were zero weight places (keep == 0 case).
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

void appendFixed4(std::string& out, double v, std::string_view dec) {
    double mag = std::fabs(v);
    if (mag < 1e9) {
        double t = mag * 1e4;
        double fl = std::floor(t);
        double frac = t - fl;
        // The 15-digit decimal form differs from v by at most 5e-15 relative,
        // the product by one rounding; only the halfway point decides.
        double margin = t * 6e-15 + 1e-9;
        double dist = frac - 0.5;
        if (dist > margin || dist < -margin) {
            std::uint64_t q = static_cast<std::uint64_t>(fl) + (dist > 0 ? 1u : 0u);
            appendFixed4Scaled(out, v < 0, q, dec);
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

std::string formatRounded(double v, int decimals, std::string_view dec, bool exponentForm) {
    // Round on the exact binary value, ties to even.
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    double r = 0;
    std::from_chars(buf, res.ptr, r);
    if (r == 0) return "0";
    std::string out;
    if (r < 0) out.push_back('-');
    Digits15 g = digits15(std::fabs(r));
    int len = 15;
    while (len > 1 && g.d[len - 1] == '0') --len;
    if (exponentForm && g.exp >= 15) {
        out.push_back(g.d[0]);
        if (len > 1) {
            out.append(dec);
            out.append(g.d + 1, len - 1);
        }
        out.append("E+");
        if (g.exp < 10) out.push_back('0');
        appendUnsigned(out, static_cast<std::uint64_t>(g.exp));
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

void appendInt(std::string& out, long long v) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

}  // namespace lineer
