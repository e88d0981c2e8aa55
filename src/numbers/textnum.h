#pragma once
// How the numbers typed into the two text boxes (the iteration limit and
// the relaxation factor) are read.

#include <optional>
#include <string_view>
#include <vector>

namespace lineer {

// What a box's text reads as, and whether all of it was read (nothing
// ignored but spaces, tabs and line feeds).
struct BoxReading {
    double value = 0;
    bool whole = false;
};

// Reads a number from a text box. It never fails:
// - every space, tab and line feed is removed first ("1 0 0" is 100);
// - where `decimal` (the user's decimal symbol) is a comma, a typed comma
//   is the decimal point ("1,2" is 1.2);
// - then the longest leading decimal number is read (numparse.h, with E or
//   D exponents); or "&H" / "&O" followed by hexadecimal / octal digits, an
//   unsigned whole number;
// - reading stops at the first character that cannot continue the number
//   (with any other decimal symbol a comma ends it: "1,5" is 1); no digit
//   at all gives 0.
// Values too large for a double give plus or minus infinity, values too
// small give 0 (or the nearest subnormal). The result is the correctly
// rounded double, independent of the locale.
BoxReading readBox(std::string_view text, std::string_view decimal);

// The value alone, with a full stop as the decimal symbol.
double textToNumber(std::string_view text);

// The value alone, in the user's decimal symbol.
double boxNumber(std::string_view text, std::string_view decimal);

// A list of numbers, as a start vector is typed: parts separated by
// spaces, tabs, line feeds or semicolons (and by commas where the decimal
// symbol is not a comma), each read as readBox reads a box and read whole
// to a finite value. nullopt when a part is not such a number or there is
// no part at all.
std::optional<std::vector<double>> readNumberList(std::string_view text, std::string_view decimal);

// A tolerance: read as readBox reads a box, whole, to a finite value above
// 0; nullopt for any other text.
std::optional<double> readTolerance(std::string_view text, std::string_view decimal);

}  // namespace lineer
