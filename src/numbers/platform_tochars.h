#pragma once
// Doubles to text as std::to_chars writes them, on every standard library.
// Where the library lacks the floating-point std::to_chars (the WebAssembly
// toolchain's libc++), {fmt} writes the same correctly rounded text; the
// build decides which (LINEER_TO_CHARS_FMT), so the number formatter's
// output is the same to the last byte on every toolchain.

#include <charconv>

namespace lineer {

// std::to_chars(first, last, v): the shortest text that reads back as v,
// in fixed or scientific form, whichever is shorter (fixed on a tie).
std::to_chars_result toChars(char* first, char* last, double v);

// std::to_chars(first, last, v, form, precision) for the fixed and the
// scientific form: the exact binary value rounded to `precision` places,
// halves to even.
std::to_chars_result toChars(char* first, char* last, double v, std::chars_format form, int precision);

}  // namespace lineer
