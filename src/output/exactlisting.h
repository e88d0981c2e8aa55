#pragma once
// Fractions in the results list: the listing of an exact matrix, the roots
// of an exact run, and the text of one fraction.

#include <string>

#include "context.h"
#include "exactspace.h"

namespace lineer {

// A fraction longer than this is shown in the number format, marked as
// rounded for the screen.
inline constexpr std::size_t kFractionWidth = 24;
// The mark before such a number.
inline constexpr const char* kRoundedMark = "\u2248";

// "p/q", "p" for a whole number, or the mark and the number format for a
// fraction too long to read (and ctx.exactRounded is set).
std::string exactText(const Context& ctx, const Rational& v);

// Appends " " and one line per row of the matrix's block, the fractions
// right-aligned in columns as wide as their longest.
void Listele(Context& ctx, int cols, int rows, const ExactMatrix& matrix);

// The roots block of an exact run: " x(i) = fraction (decimal)".
void appendRootsBlock(Context& ctx, PlainText heading, const ExactVector& x, int n);

// Ends an exact run: the line that explains the mark, when it was shown.
void endExactRun(Context& ctx);

}  // namespace lineer
