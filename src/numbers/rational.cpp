#include "rational.h"

#include <cmath>
#include <cstdint>

#include "numparse.h"

namespace lineer {

namespace {

// A decimal number of the file form as m × 10^e, m whole and signed. The
// exponent saturates far outside any useful range.
struct Decimal {
    BigInt mantissa;
    std::int64_t exponent = 0;
};

constexpr std::int64_t kSaturated = std::int64_t(1) << 40;

std::optional<Decimal> readDecimal(std::string_view t) {
    if (t.empty() || decimalPrefix(t) != t.size()) return std::nullopt;
    Decimal d;
    std::size_t i = 0;
    const bool negative = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') ++i;
    bool point = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            point = true;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (t[i] - '0');
        if (point) --d.exponent;
    }
    if (i < t.size()) {
        ++i;
        bool minus = false;
        if (t[i] == '-' || t[i] == '+') minus = t[i++] == '-';
        std::int64_t e = 0;
        for (; i < t.size(); ++i) e = std::min(kSaturated, e * 10 + (t[i] - '0'));
        d.exponent += minus ? -e : e;
    }
    if (negative) d.mantissa = -d.mantissa;
    return d;
}

BigInt powerOfTen(std::int64_t e) {
    BigInt p = 1;
    BigInt base = 10;
    for (; e > 0; e >>= 1) {
        if (e & 1) p *= base;
        base *= base;
    }
    return p;
}

Rational valueOf(const Decimal& d) {
    if (d.exponent >= 0) return Rational(d.mantissa * powerOfTen(d.exponent));
    return Rational(d.mantissa, powerOfTen(-d.exponent));
}

constexpr std::int64_t kExactLimit = 10000;

}  // namespace

std::optional<Rational> exactFileNumber(std::string_view text) {
    const std::size_t slash = text.find('/');
    const auto p = readDecimal(text.substr(0, slash));
    if (!p) return std::nullopt;
    if (slash == std::string_view::npos) {
        if (p->exponent > kExactLimit || p->exponent < -kExactLimit) return std::nullopt;
        return valueOf(*p);
    }
    const auto q = readDecimal(text.substr(slash + 1));
    if (!q || q->mantissa == 0) return std::nullopt;
    const std::int64_t e = p->exponent - q->exponent;
    if (e > kExactLimit || e < -kExactLimit) return std::nullopt;
    Decimal quotient{p->mantissa, e};
    return valueOf(quotient) / Rational(q->mantissa);
}

FileNumber readFileFraction(std::string_view text) {
    FileNumber r;
    const std::size_t slash = text.find('/');
    const auto p = readDecimal(text.substr(0, slash));
    const auto q = readDecimal(text.substr(slash + 1));
    if (!p || !q || q->mantissa == 0) return r;
    const bool negative = (p->mantissa < 0) != (q->mantissa < 0);
    if (p->mantissa == 0) {
        r.status = NumberStatus::Number;
        r.value = negative ? -0.0 : 0.0;
        return r;
    }
    // Each mantissa has at most as many digits as the item has characters,
    // so past these exponents the quotient is beyond every double, or below
    // half the smallest one.
    const std::int64_t e = p->exponent - q->exponent;
    const auto digits = static_cast<std::int64_t>(text.size());
    double v;
    if (e > 400 + digits) {
        v = HUGE_VAL;
    } else if (e < -400 - digits) {
        v = 0;
    } else {
        v = nearestDouble(valueOf(Decimal{abs(p->mantissa), e}) / Rational(abs(q->mantissa)));
    }
    if (std::isinf(v)) {
        r.status = NumberStatus::TooLarge;
        return r;
    }
    r.status = NumberStatus::Number;
    r.value = negative ? -v : v;
    return r;
}

double nearestDouble(const Rational& r) {
    const BigInt num = abs(numerator(r));
    const BigInt& den = denominator(r);
    if (num == 0) return 0.0;
    // q = floor(num × 2^s / den) has 55 or 56 bits: the 53 of a double, the
    // rounding bit and more; what the floor dropped is sticky.
    const auto s = static_cast<std::int64_t>(55 - (static_cast<std::int64_t>(msb(num)) - static_cast<std::int64_t>(msb(den))));
    BigInt a = num, b = den;
    if (s >= 0)
        a <<= static_cast<unsigned>(s);
    else
        b <<= static_cast<unsigned>(-s);
    BigInt q, rem;
    divide_qr(a, b, q, rem);
    const auto bits = static_cast<std::int64_t>(msb(q)) + 1;
    std::int64_t shift = bits - 53;
    // A subnormal keeps fewer bits: none below 2^-1074. Shifted past all of
    // q, nothing is kept and nothing rounds up.
    if (-s + shift < -1074) shift = -1074 + s;
    const auto sh = static_cast<unsigned>(std::min(shift, bits + 2));
    BigInt kept = q >> sh;
    const bool round = bit_test(q, sh - 1);
    const bool sticky = rem != 0 || (q & ((BigInt(1) << (sh - 1)) - 1)) != 0;
    if (round && (sticky || bit_test(kept, 0))) ++kept;
    const double v = std::ldexp(kept.convert_to<double>(), static_cast<int>(-s + shift));
    return r < 0 ? -v : v;
}

Rational exactValue(double v) {
    if (v == 0) return Rational(0);
    int e;
    const double f = std::frexp(v, &e);
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(f, 53));  // exact: 53 bits
    e -= 53;
    if (e >= 0) return Rational(BigInt(mantissa) << e);
    return Rational(BigInt(mantissa), BigInt(1) << -e);
}

std::string fractionText(const Rational& r) {
    std::string s = numerator(r).str();
    if (denominator(r) != 1) {
        s.push_back('/');
        s.append(denominator(r).str());
    }
    return s;
}

}  // namespace lineer
