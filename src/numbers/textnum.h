#pragma once
// How the numbers typed into the two text boxes (the iteration limit and
// the relaxation factor) are read.

#include <string_view>

namespace lineer {

// Reads a number from a text box. It never fails:
// - every space, tab and line feed is removed first ("1 0 0" is 100);
// - then the longest leading number is read: an optional sign, decimal
//   digits with at most one full stop, an optional exponent (E or D in
//   either case, an optional sign, digits); or "&H" / "&O" followed by
//   hexadecimal / octal digits, an unsigned whole number;
// - reading stops at the first character that cannot continue the number
//   (a comma ends it: "1,5" is 1); no digit at all gives 0.
// Values too large for a double give plus or minus infinity, values too
// small give 0 (or the nearest subnormal). The result is the correctly
// rounded double, independent of the locale.
double textToNumber(std::string_view text);

// A box's text read in the user's locale: where the decimal symbol is a
// comma, a typed comma is the decimal point ("1,2" is 1.2); then the rule
// above. With any other decimal symbol, the same as textToNumber.
double boxNumber(std::string_view text, std::string_view decimal);

}  // namespace lineer
