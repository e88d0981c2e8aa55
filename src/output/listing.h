#pragma once
// The matrix listing and the roots block, the two ways methods put numbers
// into the results list.

#include <string>
#include <vector>

#include "context.h"
#include "texts.h"

namespace lineer {

// The fixed text of an exact zero in a listing.
inline constexpr const char* kZeroText = " 0.         ";

// Appends " " and one line per row: rows 1..rows, columns 1..cols of the
// matrix. Throws NumberOverflow before appending anything if a listed value
// is not finite.
void Listele(Context& ctx, int cols, int rows, const Matrix& matrix);

// One listing line for row i, added to `line`; where each cell stands goes
// to `cells` when given ("0." for an exact zero).
void appendRowText(std::string& line, const Matrix& matrix, int i, int cols, const std::string& dec,
                   std::vector<CellSpan>* cells = nullptr);

// " x(i) = ", the start of a root line: its value follows.
std::string rootLineStart(int i);

// Appends the roots block: the heading, " ", and " x(i) = value" for
// i = 1..n of the workspace's root vector. Throws NumberOverflow before
// appending anything if a root is not finite.
void appendRootsBlock(Context& ctx, PlainText heading);

}  // namespace lineer
