#pragma once
// Reading numbers: the one grammar of a decimal number, and its value, the
// nearest double (ties to even) whatever the process locale, on every
// compiler and standard library. The coefficient file and the text boxes
// (textnum.h) both read through here.

#include <cstddef>
#include <string_view>

namespace lineer {

// The length of the decimal number at the start of `text`, 0 when none
// starts there. A decimal number is an optional sign, decimal digits with
// at most one full stop (at least one digit in all), and an optional
// exponent: E or e (with `dExponent` also D or d), an optional sign, at
// least one digit. A letter without digits after it (and its sign) is not
// part of the number: "1e+" is the number "1" followed by "e+".
std::size_t decimalPrefix(std::string_view text, bool dExponent = false);

// The value of `text` when all of it is a decimal number with an E
// exponent (decimalPrefix reads it whole); text of any other form gives 0.
// Magnitudes beyond the largest double give plus or minus infinity, those
// below half the smallest subnormal plus or minus 0.
double decimalToDouble(std::string_view text);

// `digits` are hexadecimal digits (either case) of an unsigned whole
// number, any number of them: the nearest double, or infinity. Any other
// character gives 0.
double hexToDouble(std::string_view digits);

// What a text is as one number of a coefficient file.
enum class NumberStatus : unsigned char {
    Number,
    Empty,
    TooLarge,      // a decimal number beyond the largest double
    DecimalComma,  // not a number, and it holds a comma (where a point belongs)
    NotANumber,
};
struct FileNumber {
    NumberStatus status = NumberStatus::NotANumber;
    double value = 0;  // when status is Number
};

// The whole of `text` read as one number of a coefficient file: a decimal
// number with an E exponent, or a fraction p/q of two such numbers (no
// spaces, q not zero), nothing before or after it. A fraction's value is
// the double nearest to the exact quotient, as a decimal's is.
FileNumber readFileNumber(std::string_view text);

// Whether `text` is a number of the file form, and its value (left as it
// was when not).
bool parseFileNumber(std::string_view text, double& value);

}  // namespace lineer
