#pragma once
// Text to double without the process locale: the nearest double, ties to
// even, on every compiler and standard library.

#include <string_view>

namespace lineer {

// `text` is an optional sign, decimal digits with at most one full stop
// (at least one digit in all), and an optional exponent: E or e, an
// optional sign, at least one digit. Gives the double nearest to that
// number; magnitudes beyond the largest double give plus or minus
// infinity, those below half the smallest subnormal plus or minus 0.
// Text of any other form gives 0.
double decimalToDouble(std::string_view text);

// `digits` are hexadecimal digits (either case) of an unsigned whole
// number, any number of them: the nearest double, or infinity.
double hexToDouble(std::string_view digits);

// The same conversion through exact big-integer arithmetic alone, as used
// where the standard library cannot read a double; decimalToDouble takes
// it near every case a double product cannot decide.
double decimalToDoubleExact(std::string_view text);

}  // namespace lineer
