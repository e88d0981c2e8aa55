#pragma once
// Arithmetic at the edges of a double's range: a number with its binary
// exponent kept apart from its mantissa, and the test for digits lost below
// the smallest normal double.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "bitcast.h"
#include "context.h"

namespace lineer {

namespace detail {

// std::frexp and std::ldexp without a library call where the numbers are
// normal, which is nearly always (doubles are IEEE 754 binary64).
inline double frexpNormal(double v, int& e) {
    const auto bits = bitCast<std::uint64_t>(v);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF) return std::frexp(v, &e);
    e = biased - 1022;
    return bitCast<double>((bits & ~(std::uint64_t(0x7FF) << 52)) | (std::uint64_t(1022) << 52));
}

// m × 2^e for m of magnitude in [0.5, 1), zero or not finite.
inline double ldexpNormal(double m, int e) {
    // 2^e is a normal double and so is the product: exact.
    if (e >= DBL_MIN_EXP && e < DBL_MAX_EXP) return m * bitCast<double>(std::uint64_t(e + 1023) << 52);
    return std::ldexp(m, e);
}

}  // namespace detail

// value = m × 2^e, with m zero, not finite, or of magnitude in [0.5, 1).
// Every operation works on mantissas, which never leave the normal range,
// and rounds once, as the same operation on the plain doubles does; scaling
// by a power of two is exact, so wherever the plain doubles stay normal a
// chain of operations gives the same bits, and where they would overflow or
// underflow it stays right. value() rounds once more, to the double (an
// infinity, or a subnormal or zero, when the result itself is out of range).
class Scaled {
public:
    Scaled() = default;
    explicit Scaled(double v) : m_(v) { normalise(); }

    // m × 2^e, normalised.
    static Scaled of(double m, int e) { return Scaled(m, e); }
    double mantissa() const { return m_; }
    int exponent() const { return e_; }
    double value() const { return detail::ldexpNormal(m_, e_); }
    // Whether value() is the number itself: zero or a normal double.
    bool fitsNormal() const { return m_ == 0 || (std::isfinite(m_) && e_ >= DBL_MIN_EXP && e_ <= DBL_MAX_EXP); }
    // Whether value() loses digits of the number below the normal range (a
    // subnormal that holds them all loses none).
    bool underflows() const {
        return m_ != 0 && std::isfinite(m_) && e_ < DBL_MIN_EXP && std::ldexp(value(), -e_) != m_;
    }

    Scaled operator-() const { return Scaled(-m_, e_); }
    friend Scaled operator*(Scaled a, Scaled b) { return Scaled(a.m_ * b.m_, a.e_ + b.e_); }
    friend Scaled operator/(Scaled a, Scaled b) { return Scaled(a.m_ / b.m_, a.e_ - b.e_); }
    friend Scaled operator+(Scaled a, Scaled b) {
        if (!std::isfinite(a.m_) || !std::isfinite(b.m_) || (a.m_ == 0 && b.m_ == 0)) return Scaled(a.m_ + b.m_, 0);
        if (a.m_ == 0) return b;
        if (b.m_ == 0) return a;
        // Aligned to the larger exponent. A term that then leaves the normal
        // range is below half a unit in the last place of the other and
        // changes nothing, as in the plain sum.
        const int e = std::max(a.e_, b.e_);
        return Scaled(detail::ldexpNormal(a.m_, a.e_ - e) + detail::ldexpNormal(b.m_, b.e_ - e), e);
    }
    friend Scaled operator-(Scaled a, Scaled b) { return a + -b; }

private:
    Scaled(double m, int e) : m_(m), e_(e) { normalise(); }
    void normalise() {
        if (m_ == 0 || !std::isfinite(m_)) {
            e_ = 0;
            return;
        }
        int k;
        m_ = detail::frexpNormal(m_, k);
        e_ += k;
    }

    double m_ = 0;
    int e_ = 0;  // a hundred factors of 2^±1074 stay far inside an int
};

// Whether v is zero or subnormal. For the product or quotient of two numbers
// that are not zero, this says it lost digits: it underflowed.
inline bool belowNormal(double v) { return std::fabs(v) < DBL_MIN; }

// The double of a value the method keeps and goes on computing with.
// Digits lost below the normal range would decide what follows:
// NumberUnderflow. A value too large becomes an infinity, which the output
// refuses.
inline double kept(Scaled v) {
    if (v.underflows()) throw NumberUnderflow();
    return v.value();
}

// first − p for a product p that left the normal range or has a zero
// factor, carried with its exponent apart and rounded once.
inline double differenceWith(double first, Scaled p) { return kept(Scaled(first) - p); }

// One step of an elimination, in the order the eliminations write it:
// row(j) = row(j) − f × (pivotRow(j) / pivot) for j = from..to, for each row
// below (or, in Gauss-Jordan, beside) the pivot row with its own factor f.
// The pivot row does not change during the step, so its quotients are
// formed once. A row whose products all stay in the normal range takes the
// plain operations; where a quotient or a product leaves it (or is an exact
// zero that an infinity would spoil), the product and the difference are
// carried with their exponents apart (differenceWith).
class EliminationStep {
public:
    // pivot is not zero. Gauss-Jordan's row is already divided: pivot 1.
    EliminationStep(const double* pivotRow, double pivot, int from, int to)
        : pivotRow_(pivotRow), pivot_(pivot), from_(from), to_(to) {
        for (int j = from; j <= to; ++j) {
            const double q = pivotRow[j] / pivot;
            q_[j] = q;
            const double size = std::fabs(q);
            if (q == 0 && pivotRow[j] == 0) continue;
            if (!(size >= DBL_MIN && size <= DBL_MAX)) edge_ = true;
            smallest_ = std::min(smallest_, size);
            largest_ = std::max(largest_, size);
        }
    }

    void apply(double* row, double f) const {
        // Rounding is monotonic: if the extreme products are normal, all are.
        const double size = std::fabs(f);
        const bool plain = !edge_ && ((size * smallest_ >= DBL_MIN && size * largest_ <= DBL_MAX) ||
                                      (f == 0 && largest_ <= DBL_MAX));
        if (plain) {
            for (int j = from_; j <= to_; ++j) row[j] = row[j] - f * q_[j];
            return;
        }
        for (int j = from_; j <= to_; ++j) {
            const double p = f * q_[j];
            if ((std::fabs(q_[j]) >= DBL_MIN && std::fabs(p) >= DBL_MIN && std::fabs(p) <= DBL_MAX) ||
                ((f == 0 || pivotRow_[j] == 0) && std::isfinite(p)))
                row[j] = row[j] - p;
            else
                row[j] = differenceWith(row[j], Scaled(f) * (Scaled(pivotRow_[j]) / Scaled(pivot_)));
        }
    }

    // The same with a factor that is not a double.
    void apply(double* row, Scaled f) const {
        for (int j = from_; j <= to_; ++j)
            row[j] = differenceWith(row[j], f * (Scaled(pivotRow_[j]) / Scaled(pivot_)));
    }

private:
    const double* pivotRow_;
    double pivot_;
    int from_, to_;
    double q_[kDim];
    double smallest_ = std::numeric_limits<double>::infinity();  // of the quotients not zero
    double largest_ = 0;
    bool edge_ = false;  // a quotient out of the normal range
};

// first − s, where s = 0, then s = s + a × b for each term in the written
// order: terms(add) calls add(a, b) for each. A product of two non-zero
// numbers that lost digits below the normal range is harmless when the
// difference is a normal number (what it lost lies below the difference's
// last digit); otherwise it decides the difference: NumberUnderflow. Only
// then, which is rare, are the products looked at again.
template <class Terms>
double subtractSum(double first, Terms&& terms) {
    double s = 0;
    terms([&s](double a, double b) { s = s + a * b; });
    const double d = first - s;
    if (belowNormal(d)) {
        bool lost = false;
        terms([&lost](double a, double b) { lost = lost || (belowNormal(a * b) && a != 0 && b != 0); });
        if (lost) throw NumberUnderflow();
    }
    return d;
}

// s = 0, then s = s + a × b for each term in the written order, as
// subtractSum's terms give them. A sum that is not a normal number and owes
// that to a product out of the normal range is summed again with the
// exponents carried apart.
template <class Terms>
Scaled carriedSum(Terms&& terms) {
    double s = 0;
    terms([&s](double a, double b) { s = s + a * b; });
    if (std::isfinite(s) && !belowNormal(s)) return Scaled(s);
    bool edge = !std::isfinite(s);
    if (!edge) terms([&edge](double a, double b) { edge = edge || (belowNormal(a * b) && a != 0 && b != 0); });
    if (!edge) return Scaled(s);
    Scaled carried;
    terms([&carried](double a, double b) { carried = carried + Scaled(a) * Scaled(b); });
    return carried;
}

// num / den for a value the method keeps and computes with (a root, an
// element of a factor): NumberUnderflow when it lost digits below the normal
// range. An infinite den has overflowed before and is refused elsewhere.
inline double keptQuotient(double num, double den) {
    const double q = num / den;
    if (num != 0 && std::isfinite(den) && belowNormal(q)) throw NumberUnderflow();
    return q;
}

// (a × b) / c, the product first. When the product of two non-zero numbers
// leaves the normal range, it is carried with its exponent apart until the
// division brings it back, so that only a quotient that is itself out of
// range is.
inline double productOver(double a, double b, double c) {
    const double p = a * b;
    if ((belowNormal(p) && a != 0 && b != 0) || (std::isinf(p) && std::isfinite(a) && std::isfinite(b)))
        return (Scaled(a) * Scaled(b) / Scaled(c)).value();
    return p / c;
}

}  // namespace lineer
