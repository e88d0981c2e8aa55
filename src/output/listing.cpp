#include "listing.h"

#include <cmath>
#include <cstring>

#include "numformat.h"

namespace lineer {

void appendRowText(std::string& line, const Matrix& matrix, int i, int cols, const std::string& dec,
                   std::vector<CellSpan>* cells) {
    if (cols <= 0) return;
    if (cells) cells->reserve(cells->size() + static_cast<std::size_t>(cols));
    const auto at = [&](const char* q) { return static_cast<std::uint32_t>(q - line.data()); };
    const double* row = matrix.a[i];
    // Room for every cell taking the fast path; a cell that needs the exact
    // conversion makes room for itself.
    const std::size_t cell = 15 + dec.size() + 3;
    std::size_t used = line.size();
    line.resize(used + static_cast<std::size_t>(cols) * cell);
    char* p = line.data() + used;
    for (int j = 1; j <= cols; ++j) {
        const double v = row[j];
        if (v == 0) {
            std::memcpy(p, kZeroText, 12);
            if (cells) cells->push_back({at(p) + 1, at(p) + 3});
            p += 12;
            continue;
        }
        char* e = writeFixed4Fast(p, v, dec);
        if (e == nullptr) {
            std::string exact;
            appendFixed4Exact(exact, v, dec);
            used = static_cast<std::size_t>(p - line.data());
            const std::size_t rest = static_cast<std::size_t>(cols - j) * cell;
            if (line.size() < used + exact.size() + 3 + rest) line.resize(used + exact.size() + 3 + rest);
            p = line.data() + used;
            std::memcpy(p, exact.data(), exact.size());
            e = p + exact.size();
        }
        if (cells) cells->push_back({at(p), at(e)});
        std::memcpy(e, "   ", 3);
        p = e + 3;
    }
    line.resize(static_cast<std::size_t>(p - line.data()));
}

void Listele(Context& ctx, int cols, int rows, const Matrix& matrix) {
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) requireFinite(matrix.a[i][j]);
    ctx.blank();
    // Each row is formatted into one reused buffer and handed over as a
    // string of exactly its length.
    std::string scratch;
    for (int i = 1; i <= rows; ++i) {
        scratch.clear();
        std::vector<CellSpan> cells;
        appendRowText(scratch, matrix, i, cols, ctx.decimal, &cells);
        ctx.appendRow(LineKind::MatrixRow, std::string(scratch), std::move(cells));
    }
}

std::string rootLineStart(int i) {
    std::string line = " x(";
    appendInt(line, i);
    line.append(") = ");
    return line;
}

void appendRootsBlock(Context& ctx, PlainText heading) {
    const int n = ctx.ws.n;
    for (int i = 1; i <= n; ++i) requireFinite(ctx.ws.x(i));
    ctx.heading(heading);
    ctx.blank();
    for (int i = 1; i <= n; ++i) {
        std::string line = rootLineStart(i);
        const auto value = static_cast<std::uint32_t>(line.size());
        appendFixed4(line, ctx.ws.x(i), ctx.decimal);
        const auto end = static_cast<std::uint32_t>(line.size());
        ctx.list(ResultLine::root(i, std::move(line), {value, end}));
    }
}

}  // namespace lineer
