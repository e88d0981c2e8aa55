#include "steps.h"

#include <cmath>

#include "exactlisting.h"
#include "listing.h"
#include "numformat.h"

namespace lineer::steps {

namespace {

constexpr std::string_view kMinus = " \u2212 ";  // the operator; numbers keep the listing's "-"
constexpr std::string_view kTimes = " \u00d7 ";
constexpr int kCell = 12;  // width of a table column

// Characters, not bytes: the decimal symbol may be more than one byte.
std::size_t width(std::string_view s) {
    std::size_t w = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++w;
    return w;
}

// Right-aligned in `to` characters, and never closer than two spaces to the
// cell before it.
void padLeft(std::string& out, std::vector<CellSpan>& cells, std::string_view cell, std::size_t to) {
    out.append("  ");
    for (std::size_t w = width(cell) + 2; w < to; ++w) out.push_back(' ');
    appendCell(out, cells, cell);
}

}  // namespace

Line& Line::operator<<(std::string_view text) {
    s_.append(text);
    return *this;
}

Line& Line::operator<<(int i) {
    appendInt(s_, i);
    return *this;
}

Line& Line::operator<<(std::int64_t i) {
    appendInt(s_, i);
    return *this;
}

Line& Line::num(double v) {
    if (std::isfinite(v))
        appendFixed4(s_, v, dec_);
    else
        s_.append(lineer::text(Text::StepOverflow));
    return *this;
}

Line& Line::term(double v) {
    if (std::isfinite(v) && v < 0) {
        s_.push_back('(');
        num(v);
        s_.push_back(')');
        return *this;
    }
    return num(v);
}

Line& Line::num(const Rational& v) {
    s_.append(exactText(ctx_, v));
    return *this;
}

// A fraction after an operator is bracketed as a negative number is:
// "/ (1/2)", never "/ 1/2".
Line& Line::term(const Rational& v) {
    if (v < 0 || denominator(v) != 1) {
        s_.push_back('(');
        num(v);
        s_.push_back(')');
        return *this;
    }
    return num(v);
}

Line& Line::vec(Entries v, int from, int to) {
    s_.push_back('(');
    for (int j = from; j <= to; ++j) {
        if (j > from) s_.append("; ");
        num(v[j]);
    }
    s_.push_back(')');
    return *this;
}

namespace {

template <class N>
void rowOperationOf(Context& ctx, int target, const N& multiplier, int source) {
    ctx.explain(format(Text::StepRowOperation, intText(target), Line(ctx).term(multiplier).text(), intText(source)));
}

}  // namespace

void rowOperation(Context& ctx, int target, double multiplier, int source) {
    rowOperationOf(ctx, target, multiplier, source);
}

void RowOperations::add(int target, double multiplier, int source, bool zero) {
    if (!zero) {
        rowOperation(ctx_, target, multiplier, source);
        return;
    }
    if (!unchanged_.empty()) unchanged_.append(", ");
    appendInt(unchanged_, target);
}

void RowOperations::add(int target, const Rational& multiplier, int source, bool zero) {
    if (!zero) {
        rowOperationOf(ctx_, target, multiplier, source);
        return;
    }
    if (!unchanged_.empty()) unchanged_.append(", ");
    appendInt(unchanged_, target);
}

void RowOperations::finish() {
    if (unchanged_.empty()) return;
    ctx_.explain(format(Text::StepRowsUnchanged, unchanged_));
    unchanged_.clear();
}

void rowDivision(Context& ctx, int row, double divisor) {
    ctx.explain(format(Text::StepRowDivision, intText(row), Line(ctx).term(divisor).text()));
}

void rowDivision(Context& ctx, int row, const Rational& divisor) {
    ctx.explain(format(Text::StepRowDivision, intText(row), Line(ctx).term(divisor).text()));
}

void rowExchange(Context& ctx, int i, int j) { ctx.explain(format(Text::StepRowExchange, intText(i), intText(j))); }

void columnExchange(Context& ctx, int i, int j) {
    ctx.explain(format(Text::StepColumnExchange, intText(i), intText(j)));
}

void rootExchange(Context& ctx, int i, int j) { ctx.explain(format(Text::StepRootExchange, intText(i), intText(j))); }

void largestElement(Context& ctx, int k, double largest, int row, int column) {
    if (largest == 0) {
        ctx.explain(format(Text::StepNoLargestElement, intText(k)));
        return;
    }
    ctx.explain(format(Text::StepLargestElement, intText(k), Line(ctx).num(largest).text(), intText(row),
                       intText(column)));
}

namespace {

template <class M>
void diagonalProductOf(Context& ctx, const M& A, int n) {
    if (n < 1) return;
    Line l(ctx);
    for (int k = 1; k <= n; ++k) {
        if (k > 1) l << kTimes;
        l.term(A(k, k));
    }
    ctx.explain(format(Text::StepDiagonalProduct, l.text()));
}

}  // namespace

void diagonalProduct(Context& ctx, const Matrix& A, int n) { diagonalProductOf(ctx, A, n); }
void diagonalProduct(Context& ctx, const ExactMatrix& A, int n) { diagonalProductOf(ctx, A, n); }

void vector(Context& ctx, std::string_view name, Entries v, int from, int to) {
    Line l(ctx);
    l << name << " = ";
    l.vec(v, from, to);
    ctx.explain(std::move(l.text()));
}

void luStep(Context& ctx, int k, int n, double pivot) {
    ctx.explain(format(Text::StepLuFactors, intText(k), intText(n), Line(ctx).num(pivot).text()));
}

namespace {

template <class N, class E>
void formulaOf(Context& ctx, std::string_view lhs, const N& first, E c, E v, int from, int to,
               const std::optional<N>& divisor, const N& result) {
    Line l(ctx);
    l << lhs << " = ";
    const bool terms = from <= to;
    if (terms || divisor) {
        const bool group = terms && divisor;
        if (group) l << "(";
        l.num(first);
        for (int j = from; j <= to; ++j) {
            l << kMinus;
            l.term(c[j]) << kTimes;
            l.term(v[j]);
        }
        if (group) l << ")";
        if (divisor) {
            l << " / ";
            l.term(*divisor);
        }
        l << " = ";
    }
    l.num(result);
    ctx.explain(std::move(l.text()));
}

}  // namespace

void formula(Context& ctx, std::string_view lhs, double first, Entries c, Entries v, int from, int to,
             std::optional<double> divisor, double result) {
    formulaOf(ctx, lhs, first, c, v, from, to, divisor, result);
}

void formula(Context& ctx, std::string_view lhs, const Rational& first, ExactEntries c, ExactEntries v, int from,
             int to, std::optional<Rational> divisor, const Rational& result) {
    formulaOf(ctx, lhs, first, c, v, from, to, divisor, result);
}

void squareRoot(Context& ctx, std::string_view lhs, double radicand, double result) {
    Line l(ctx);
    l << lhs << " = \u221a";
    l.num(radicand) << " = ";
    l.num(result);
    ctx.explain(std::move(l.text()));
}

void value(Context& ctx, std::string_view label, double v) {
    Line l(ctx);
    l << label << " = ";
    l.num(v);
    ctx.explain(std::move(l.text()));
}

void thomasRow(Context& ctx, int i, double beta, double gamma) {
    if (i == 1) ctx.explain(LineKind::Heading, std::string(text(Text::StepThomasSweep)));
    Line l(ctx);
    l << "\u03b2(" << i << ") = ";
    l.num(beta) << "   \u03b3(" << i << ") = ";
    l.num(gamma);
    ctx.explain(std::move(l.text()));
}

void thomasFormula(Context& ctx, std::string_view symbol, std::string_view start, std::string_view factor, int i,
                   double first, double a, double c, double previous, double result) {
    Line l(ctx);
    l << symbol << "(" << i << ") = " << start << "(" << i << ")";
    if (i > 1) {
        l << kMinus << "a(" << i << ")" << kTimes << factor << "(" << (i - 1) << ") / \u03b2(" << (i - 1) << ") = ";
        l.num(first) << kMinus;
        l.term(a) << kTimes;
        l.term(c) << " / ";
        l.term(previous);
    }
    l << " = ";
    l.num(result);
    ctx.explain(std::move(l.text()));
}

void block(Context& ctx, const Matrix& M, int size) {
    for (int i = 1; i <= size; ++i) {
        bool finite = true;
        for (int j = 1; j <= size; ++j) finite = finite && std::isfinite(M(i, j));
        std::string line;
        std::vector<CellSpan> cells;
        if (finite) {
            appendRowText(line, M, i, size, ctx.decimal, &cells);
        } else {
            Line l(ctx);
            for (int j = 1; j <= size; ++j) {
                const auto begin = static_cast<std::uint32_t>(l.text().size());
                l.num(M(i, j));
                cells.push_back({begin, static_cast<std::uint32_t>(l.text().size())});
                l << "   ";
            }
            line = std::move(l.text());
        }
        ctx.explain(LineKind::MatrixRow, std::move(line), std::move(cells));
    }
}

void iterationLimits(Context& ctx, double L, std::optional<double> w) {
    const auto general = [&](double v) {
        return std::isfinite(v) ? formatRounded(v, 80, ctx.decimal)
                                : std::string(v > 0 ? text(Text::Infinity) : text(Text::MinusInfinity));
    };
    const std::string limit = general(L >= 1 ? std::floor(L) : 0);
    if (w)
        ctx.explain(format(Text::StepIterationLimitW, limit, general(*w)));
    else
        ctx.explain(format(Text::StepIterationLimit, limit));
}

std::string name(std::string_view symbol, int i) {
    std::string s(symbol);
    s.push_back('(');
    appendInt(s, i);
    s.push_back(')');
    return s;
}

std::string name(std::string_view symbol, int i, int j) {
    std::string s(symbol);
    s.push_back('(');
    appendInt(s, i);
    s.push_back(',');
    appendInt(s, j);
    s.push_back(')');
    return s;
}

void IterationTable::write(std::int64_t k, const double* x, double e) {
    const int n = ctx_.ws.n;
    std::string line, cell;
    std::vector<CellSpan> cells;
    cells.reserve(static_cast<std::size_t>(n) + 2);
    appendInt(cell, k);
    padLeft(line, cells, cell, 6);
    for (int i = 1; i <= n; ++i) {
        cell.clear();
        if (std::isfinite(x[i]))
            appendFixed4(cell, x[i], ctx_.decimal);
        else
            cell = text(Text::StepOverflow);
        padLeft(line, cells, cell, kCell);
    }
    line.append("   ");
    appendCell(line, cells, std::isfinite(e) ? formatRounded(e, 6, ctx_.decimal) : std::string(text(Text::StepOverflow)));
    ctx_.explain(LineKind::TableRow, std::move(line), std::move(cells));
}

void IterationTable::sweep(std::int64_t k, const double* x, double e) {
    const int n = ctx_.ws.n;
    last_ = k;
    if (k == 1) {
        std::string head;
        std::vector<CellSpan> cells;
        padLeft(head, cells, text(Text::StepTableSweep), 6);
        for (int i = 1; i <= n; ++i) padLeft(head, cells, name("x", i), kCell);
        head.append("   ");
        appendCell(head, cells, text(Text::StepTableMaxChange));
        ctx_.explain(LineKind::TableHead, std::move(head), std::move(cells));
    }
    if (k <= kHead) {
        write(k, x, e);
        return;
    }
    // Past the head only the numbers are kept; the lines are made once the
    // run has ended and it is known which sweeps are the last.
    const std::size_t row = static_cast<std::size_t>(n) + 1;
    if (ring_.empty()) ring_.resize(static_cast<std::size_t>(kTail) * row);
    double* slot = ring_.data() + static_cast<std::size_t>((k - kHead - 1) % kTail) * row;
    for (int i = 1; i <= n; ++i) slot[i - 1] = x[i];
    slot[n] = e;
}

void IterationTable::finish() {
    if (last_ <= kHead) return;
    const int n = ctx_.ws.n;
    const std::size_t row = static_cast<std::size_t>(n) + 1;
    const std::int64_t first = last_ - kTail + 1 > kHead + 1 ? last_ - kTail + 1 : kHead + 1;
    if (first > kHead + 1) {
        // Indented past the sweep column, under the values.
        std::string line(6, ' ');
        formatTo(line, Text::StepTableLeftOut, intText(first - kHead - 1));
        ctx_.explain(std::move(line));
    }
    std::vector<double> x(row + 1);
    for (std::int64_t k = first; k <= last_; ++k) {
        const double* slot = ring_.data() + static_cast<std::size_t>((k - kHead - 1) % kTail) * row;
        for (int i = 1; i <= n; ++i) x[static_cast<std::size_t>(i)] = slot[i - 1];
        write(k, x.data(), slot[n]);
    }
}

}  // namespace lineer::steps
