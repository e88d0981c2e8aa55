#include "numparse.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// std::from_chars for double: libstdc++ (GCC 11 on) and MSVC announce it;
// libc++ has it from version 20 without announcing it.
#if defined(__cpp_lib_to_chars) || (defined(_LIBCPP_VERSION) && _LIBCPP_VERSION >= 200000)
#define LINEER_FROM_CHARS_DOUBLE 1
#endif

namespace lineer {

namespace {

// A double's exact decimal value has at most 767 significant digits and a
// halfway point between two doubles at most 768. Digits beyond kMaxDigits
// are therefore only needed as "something non-zero follows", kept as one
// extra digit 1.
constexpr std::size_t kMaxDigits = 800;

// The number as sign, significant digits (no leading zeros) and a power of
// ten: value = digits * 10^exp10.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exp10 = 0;
    bool valid = false;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Decimal splitDecimal(std::string_view t) {
    Decimal d;
    std::size_t i = 0, n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) d.negative = t[i++] == '-';
    bool sticky = false, anyDigit = false, point = false;
    for (; i < n; ++i) {
        const char c = t[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c)) break;
        anyDigit = true;
        if (d.digits.empty() && c == '0') {
            if (point) --d.exp10;
        } else if (d.digits.size() < kMaxDigits) {
            d.digits.push_back(c);
            if (point) --d.exp10;
        } else {
            sticky = sticky || c != '0';
            if (!point) ++d.exp10;
        }
    }
    if (!anyDigit) return d;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negExp = false;
        if (i < n && (t[i] == '+' || t[i] == '-')) negExp = t[i++] == '-';
        if (i == n) return d;
        long long e = 0;
        for (; i < n && isDigit(t[i]); ++i) e = e < 100000 ? e * 10 + (t[i] - '0') : e;
        d.exp10 += negExp ? -e : e;
    }
    if (i != n) return d;
    if (sticky) {
        d.digits.push_back('1');
        --d.exp10;
    }
    d.valid = true;
    return d;
}

// Unsigned big integers, 32-bit limbs, least significant first.
using Big = std::vector<std::uint32_t>;

void mulAdd(Big& a, std::uint32_t mul, std::uint32_t add) {
    std::uint64_t carry = add;
    for (auto& limb : a) {
        const std::uint64_t v = std::uint64_t(limb) * mul + carry;
        limb = static_cast<std::uint32_t>(v);
        carry = v >> 32;
    }
    if (carry) a.push_back(static_cast<std::uint32_t>(carry));
}

void mulPow10(Big& a, long long k) {
    for (; k >= 9; k -= 9) mulAdd(a, 1000000000u, 0);
    std::uint32_t rest = 1;
    for (; k > 0; --k) rest *= 10;
    mulAdd(a, rest, 0);
}

void shiftLeft(Big& a, long long bits) {
    if (a.empty() || bits <= 0) return;
    const auto limbs = static_cast<std::size_t>(bits / 32);
    const unsigned rest = static_cast<unsigned>(bits % 32);
    if (rest) {
        std::uint32_t carry = 0;
        for (auto& limb : a) {
            const std::uint32_t next = limb >> (32 - rest);
            limb = (limb << rest) | carry;
            carry = next;
        }
        if (carry) a.push_back(carry);
    }
    a.insert(a.begin(), limbs, 0u);
}

void shiftRightOne(Big& a) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] >>= 1;
        if (i + 1 < a.size()) a[i] |= a[i + 1] << 31;
    }
    while (!a.empty() && a.back() == 0) a.pop_back();
}

long long bitLength(const Big& a) {
    if (a.empty()) return 0;
    long long bits = static_cast<long long>(a.size() - 1) * 32;
    for (std::uint32_t top = a.back(); top; top >>= 1) ++bits;
    return bits;
}

int compare(const Big& a, const Big& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return 0;
}

void subtract(Big& a, const Big& b) {  // a >= b
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t v = std::int64_t(a[i]) - borrow - (i < b.size() ? std::int64_t(b[i]) : 0);
        borrow = v < 0;
        a[i] = static_cast<std::uint32_t>(v + (borrow << 32));
    }
    while (!a.empty() && a.back() == 0) a.pop_back();
}

// The double nearest to num / den (num > 0, den > 0), ties to even.
double nearest(Big num, Big den, bool negative) {
    // Scale by 2^s so that the quotient q has 54 bits: 53 for the double
    // and one for rounding; the remainder says whether anything follows.
    long long s = 54 - (bitLength(num) - bitLength(den));
    Big a = num, b = den;
    shiftLeft(s > 0 ? a : b, s > 0 ? s : -s);
    Big top = b;
    shiftLeft(top, 54);
    if (compare(a, top) >= 0) {
        --s;
        shiftLeft(b, 1);
    }
    // Below the normal range the double has fewer bits: the rounding bit
    // stays at 2^-1075, half the smallest subnormal.
    if (s > 1075) {
        a = num;
        b = den;
        s = 1075;
        shiftLeft(a, s);
    }
    std::uint64_t q = 0;
    shiftLeft(b, 53);
    for (int bit = 53; bit >= 0; --bit) {
        if (compare(a, b) >= 0) {
            subtract(a, b);
            q |= std::uint64_t(1) << bit;
        }
        shiftRightOne(b);
    }
    std::uint64_t mantissa = q >> 1;
    if ((q & 1) && (!a.empty() || (mantissa & 1))) ++mantissa;
    const double v = std::ldexp(static_cast<double>(mantissa), static_cast<int>(1 - s));
    return negative ? -v : v;
}

// Values whose leading digit has a weight beyond these are infinite or 0.
constexpr long long kAboveLargest = 309;
constexpr long long kBelowSmallest = -325;

double exactDecimal(const Decimal& d) {
    const double zero = d.negative ? -0.0 : 0.0;
    if (d.digits.empty()) return zero;
    const long long lead = d.exp10 + static_cast<long long>(d.digits.size()) - 1;
    if (lead > kAboveLargest) return d.negative ? -HUGE_VAL : HUGE_VAL;
    if (lead < kBelowSmallest) return zero;
    Big num, den{1};
    std::size_t i = 0;
    const std::size_t first = d.digits.size() % 9;
    for (std::size_t len = first ? first : 9; i < d.digits.size(); i += len, len = 9) {
        std::uint32_t chunk = 0, scale = 1;
        for (std::size_t k = i; k < i + len; ++k) chunk = chunk * 10 + std::uint32_t(d.digits[k] - '0'), scale *= 10;
        mulAdd(num, scale, chunk);
    }
    while (!num.empty() && num.back() == 0) num.pop_back();
    mulPow10(d.exp10 >= 0 ? num : den, d.exp10 >= 0 ? d.exp10 : -d.exp10);
    return nearest(std::move(num), std::move(den), d.negative);
}

}  // namespace

double decimalToDoubleExact(std::string_view text) {
    const Decimal d = splitDecimal(text);
    return d.valid ? exactDecimal(d) : 0.0;
}

double decimalToDouble(std::string_view text) {
    const Decimal d = splitDecimal(text);
    if (!d.valid) return 0.0;
    // Up to 15 digits and a power of ten up to 10^22 are both exact doubles,
    // so one multiplication or division rounds once, correctly.
    if (d.digits.size() <= 15 && d.exp10 >= -22 && d.exp10 <= 22) {
        static constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        std::uint64_t whole = 0;
        for (char c : d.digits) whole = whole * 10 + std::uint64_t(c - '0');
        double v = static_cast<double>(whole);
        v = d.exp10 >= 0 ? v * kPow10[d.exp10] : v / kPow10[-d.exp10];
        return d.negative ? -v : v;
    }
#if defined(LINEER_FROM_CHARS_DOUBLE)
    const std::string normal = d.digits + "e" + std::to_string(d.exp10);
    double v = 0;
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), v);
    // Out of range (and, with some libraries, subnormal) results are left to
    // the exact conversion.
    if (res.ec == std::errc() && res.ptr == normal.data() + normal.size() && v != 0 && std::isfinite(v))
        return d.negative ? -v : v;
#endif
    return exactDecimal(d);
}

double hexToDouble(std::string_view digits) {
    Big num;
    for (char c : digits) {
        std::uint32_t v = isDigit(c) ? std::uint32_t(c - '0')
                          : (c >= 'a' && c <= 'f') ? std::uint32_t(c - 'a' + 10)
                          : (c >= 'A' && c <= 'F') ? std::uint32_t(c - 'A' + 10)
                                                     : 16;
        if (v == 16) return 0.0;
        if (num.empty() && v == 0) continue;
        if (num.size() > 40) return HUGE_VAL;  // beyond 2^1280
        mulAdd(num, 16, v);
    }
    if (num.empty()) return 0.0;
    return nearest(std::move(num), Big{1}, false);
}

}  // namespace lineer
