#include "listing.h"

#include <cmath>

#include "numformat.h"

namespace lineer {

void requireFinite(double v) {
    if (!std::isfinite(v)) throw NumberOverflow();
}

void appendRowText(std::string& line, const Matrix& matrix, int i, int cols, const std::string& dec) {
    const double* row = matrix.a[i];
    for (int j = 1; j <= cols; ++j) {
        double v = row[j];
        if (v == 0) {
            line.append(kZeroText, 12);
        } else {
            appendFixed4(line, v, dec);
            line.append("   ", 3);
        }
    }
}

void Listele(Context& ctx, int cols, int rows, const Matrix& matrix) {
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) requireFinite(matrix.a[i][j]);
    ctx.append(" ");
    for (int i = 1; i <= rows; ++i) {
        std::string line;
        line.reserve(static_cast<std::size_t>(cols > 0 ? cols : 0) * 16);
        appendRowText(line, matrix, i, cols, ctx.decimal);
        ctx.append(std::move(line));
    }
}

void appendRootsBlock(Context& ctx, const std::string& heading) {
    const int n = ctx.ws.n;
    for (int i = 1; i <= n; ++i) requireFinite(ctx.ws.x(i));
    ctx.append(heading);
    ctx.append(" ");
    for (int i = 1; i <= n; ++i) {
        std::string line = " x(";
        appendInt(line, i);
        line.append(") = ");
        appendFixed4(line, ctx.ws.x(i), ctx.decimal);
        ctx.append(std::move(line));
    }
}

}  // namespace lineer
