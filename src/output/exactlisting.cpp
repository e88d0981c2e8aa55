#include "exactlisting.h"

#include <algorithm>
#include <vector>

#include "listing.h"
#include "numformat.h"

namespace lineer {

namespace {

std::size_t width(std::string_view s) {
    std::size_t w = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++w;
    return w;
}

}  // namespace

std::string exactText(const Context& ctx, const Rational& v) {
    std::string s = fractionText(v);
    if (s.size() <= kFractionWidth) return s;
    ctx.exactRounded = true;
    s = kRoundedMark;
    appendFixed4(s, nearestDouble(v), ctx.decimal);
    return s;
}

void Listele(Context& ctx, int cols, int rows, const ExactMatrix& matrix) {
    ctx.blank();
    std::vector<std::string> texts;
    std::vector<std::size_t> widths(static_cast<std::size_t>(std::max(cols, 0)) + 1, 1);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) {
            texts.push_back(exactText(ctx, matrix(i, j)));
            widths[static_cast<std::size_t>(j)] = std::max(widths[static_cast<std::size_t>(j)], width(texts.back()));
        }
    std::size_t k = 0;
    for (int i = 1; i <= rows; ++i) {
        std::string line;
        std::vector<CellSpan> cells;
        for (int j = 1; j <= cols; ++j) {
            const std::string& t = texts[k++];
            line.append(widths[static_cast<std::size_t>(j)] + 1 - width(t), ' ');
            appendCell(line, cells, t);
            line.append("  ");
        }
        ctx.appendRow(LineKind::MatrixRow, std::move(line), std::move(cells));
    }
}

void appendRootsBlock(Context& ctx, PlainText heading, const ExactVector& x, int n) {
    ctx.heading(heading);
    ctx.blank();
    for (int i = 1; i <= n; ++i) {
        std::string line = rootLineStart(i);
        const auto value = static_cast<std::uint32_t>(line.size());
        const std::string shown = exactText(ctx, x(i));
        line.append(shown);
        const auto end = static_cast<std::uint32_t>(line.size());
        // A fraction shown rounded is its decimal value already.
        if (shown.rfind(kRoundedMark, 0) != 0) {
            line.append(" (");
            appendFixed4(line, nearestDouble(x(i)), ctx.decimal);
            line.push_back(')');
        }
        ctx.list(ResultLine::root(i, std::move(line), {value, end}));
    }
}

void endExactRun(Context& ctx) {
    if (!ctx.exactRounded) return;
    ctx.blank();
    ctx.append(Text::ExactRoundedNote);
    ctx.exactRounded = false;
}

}  // namespace lineer
