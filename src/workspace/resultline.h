#pragma once
// A line of the results list with what it is. The core says the kind of
// every line it writes, so that whatever shows the list (the window, the
// printed pages, the LaTeX and HTML export, a page in a browser) sets it by
// its kind and its cells and never reads its text back.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lineer {

enum class LineKind : std::uint8_t {
    Text,       // a line of words or a result ("Determinant = 4")
    Blank,      // " ": sets a block apart from the one above
    Heading,    // the heading of the block below it
    MatrixRow,  // a row of a matrix: one number cell per column
    Root,       // " x(i) = value" of a roots block: index and value
    TableHead,  // the column headings of a table
    TableRow,   // a row of a table that is not a matrix: Thomas's bands,
                // the comparison, the sweeps of an iteration
    Remark,     // a remark on a run whose result stands
};

// Which part of a run wrote the line: a host may show the parts apart.
enum class LinePart : std::uint8_t {
    Method,      // the transcript itself: the listing and the method's lines
    Steps,       // the explained steps
    Analysis,    // how far to trust the result, why an iteration converges
    Comparison,  // the comparison of the methods
};

// Where a cell stands in a line's text: bytes [begin, end).
struct CellSpan {
    std::uint32_t begin = 0, end = 0;
    friend bool operator==(const CellSpan&, const CellSpan&) = default;
};

struct ResultLine {
    LineKind kind = LineKind::Text;
    LinePart part = LinePart::Method;
    std::string text;  // UTF-8, as the list shows it
    // A root line: i of x(i).
    int index = 0;
    // A row or a table's head: its cells, in order. A root line: one cell,
    // its value.
    std::vector<CellSpan> cells;

    ResultLine() = default;
    // A line of text of the method's own.
    explicit ResultLine(std::string line) : text(std::move(line)) {}
    ResultLine(LineKind k, LinePart p, std::string line, std::vector<CellSpan> spans = {})
        : kind(k), part(p), text(std::move(line)), cells(std::move(spans)) {}
    // " x(i) = value", the value standing at `value`.
    static ResultLine root(int i, std::string line, CellSpan value) {
        ResultLine r(LineKind::Root, LinePart::Method, std::move(line), {value});
        r.index = i;
        return r;
    }

    std::string_view cell(std::size_t k) const {
        return std::string_view(text).substr(cells[k].begin, cells[k].end - cells[k].begin);
    }
    bool isRow() const {
        return kind == LineKind::MatrixRow || kind == LineKind::TableRow || kind == LineKind::TableHead;
    }
};

// Appends `cell` to a line being built and notes where it stands.
inline void appendCell(std::string& text, std::vector<CellSpan>& cells, std::string_view cell) {
    const auto begin = static_cast<std::uint32_t>(text.size());
    text.append(cell);
    cells.push_back({begin, static_cast<std::uint32_t>(text.size())});
}

}  // namespace lineer
