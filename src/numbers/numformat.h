#pragma once
// Text forms of numbers: the listing format "##0.###0", the general form of
// rounded values (determinant, iteration error), and plain whole numbers.

#include <cstddef>
#include <string>
#include <string_view>

namespace lineer {

// Appends v in the format "##0.###0": v is first taken to its 15-significant-
// digit decimal form, then to four decimals with halves away from zero; at
// least one integer digit, no grouping, `dec` as the decimal symbol. A value
// that rounds to zero is written without a minus sign. v must be finite.
void appendFixed4(std::string& out, double v, std::string_view dec);
std::string formatFixed4(double v, std::string_view dec = ".");

// The fast path alone: writes the text of v at p and returns the end, or
// returns nullptr (having written nothing) when it cannot decide v and the
// exact conversion must. The text is at most 15 + dec.size() characters,
// but up to 18 + dec.size() bytes from p may be written.
char* writeFixed4Fast(char* p, double v, std::string_view dec);
inline constexpr std::size_t kFixed4FastMax = 32;  // room for dec of up to 14 bytes

// The same rule computed only through the exact decimal expansion; the fast
// path of appendFixed4 falls back to it near a rounding boundary.
void appendFixed4Exact(std::string& out, double v, std::string_view dec);

// v rounded to `decimals` places (halves to even, decided on the exact binary
// value), then written in general form: at most 15 significant digits, no
// trailing zeros, no decimal symbol for whole values, "-0" written as "0",
// and values of 1E15 and above in magnitude as mantissa, "E", sign and at
// least two exponent digits ("1.5E+15"). v must be finite.
std::string formatRounded(double v, int decimals, std::string_view dec);

// v with `digits` significant digits (rounded on the exact binary value,
// halves to even), trailing zeros dropped, in the general form of the
// reports: plain decimals from 0.001 up to 10^4, otherwise mantissa, "E",
// sign and at least two exponent digits ("3.536E+13", "2.1E-17"). For
// figures that must not depend on the last bits of a result. v must be
// finite.
std::string formatSignificant(double v, int digits, std::string_view dec);

// m × 2^e as formatSignificant writes it, also where the value lies outside
// a double's range (a determinant of 1E-400): the power of ten is found
// with the binary exponent carried apart, which costs a few roundings, so
// the digits are right to about 1E-14 of the value. m must be finite.
std::string formatSignificantScaled(double m, int e, int digits, std::string_view dec);

void appendInt(std::string& out, long long v);
std::string intText(long long v);
// v with `group` between every three digits from the right ("1.295.488").
std::string groupedInt(long long v, std::string_view group);

}  // namespace lineer
