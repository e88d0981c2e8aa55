#pragma once
// A handout as text: the results list with each line's kind, the page
// heading, and the picture already encoded by whoever drew it. What the
// LaTeX and HTML export read, and the printed pages lay out.

#include <cstddef>
#include <span>
#include <string>

#include "resultline.h"

namespace lineer::exporting {

// The size of the picture in the HTML page, and of a larger picture file
// by default: twice the picture box, and then some.
inline constexpr int kLargePictureWidth = 700;
inline constexpr int kLargePictureHeight = 525;

struct Document {
    std::span<const ResultLine> lines;
    std::string heading;  // the file and the method run on it, UTF-8
    std::string date;     // yyyy-mm-dd
    // The picture as a PNG file's bytes, kLargePicture* in size; empty when
    // no picture is shown.
    std::string png;
};

// Whether a line belongs to a table of numbers that the handouts set cell
// by cell: the rows of the transcript's matrices and of Thomas's table.
// The tables of the explained steps and of the comparison are set as text.
bool numberTableRow(const ResultLine& line);

// Consecutive rows of a table of numbers form one table: [first, end).
struct TableSpan {
    std::size_t first, end;
};
// The table that starts at `first`, which must be such a row.
TableSpan tableAt(std::span<const ResultLine> lines, std::size_t first);

}  // namespace lineer::exporting
