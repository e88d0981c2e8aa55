#pragma once
// Exact fractions: the number type of the exact mode, its text form, and
// the conversions between it, the file's decimals and doubles.
//
// The arithmetic is Boost.Multiprecision's rational over its own big
// integers: header only and plain C++, so it builds wherever the rest of the
// core does (MinGW, libc++, emscripten) with no library to link.

#include <boost/multiprecision/cpp_int.hpp>

#include <optional>
#include <string>
#include <string_view>

#include "numparse.h"

namespace lineer {

using BigInt = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

// The exact value of a number of the coefficient file: a decimal number with
// an E exponent ("0.1" is 1/10) or a fraction p/q of two of them. nullopt
// for any other text, for q = 0, and for a power of ten beyond 10^±10000
// (whose digits no listing could show; such a cell is taken as its double).
std::optional<Rational> exactFileNumber(std::string_view text);

// `text` holds a "/": read as a fraction p/q of the file (readFileNumber).
FileNumber readFileFraction(std::string_view text);

// The double nearest to r, ties to even; plus or minus infinity beyond the
// largest double.
double nearestDouble(const Rational& r);

// The exact value of a finite double.
Rational exactValue(double v);

// "p/q" in lowest terms, "p" for a whole number; a negative one starts with
// "-", as the listing's decimals do.
std::string fractionText(const Rational& r);

}  // namespace lineer
