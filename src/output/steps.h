#pragma once
// Explained steps: the lines a method inserts between its own when the user
// asks to see the working. They go to the results list through the host like
// every other line, with the listing's number format and the user's decimal
// symbol, rows and columns counted from 1.
//
// Every call site tests ctx.params.steps first, so with the switch off nothing here
// runs: no formatting and no allocation. Nothing here throws or stops the
// method: a value that is not finite is written as "taşma".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "context.h"
#include "exactspace.h"

namespace lineer::steps {

// Entry j of a vector, of a matrix's row, or of a matrix's column. A column
// is indexed through its matrix's rows, never by walking past the end of
// one row into the next.
struct Entries {
    const double* line = nullptr;          // a vector or a row
    const double (*rows)[kDim] = nullptr;  // else a column of these rows
    int column = 0;
    constexpr double operator[](int j) const { return line ? line[j] : rows[j][column]; }
};
constexpr Entries rowOf(const Matrix& M, int i) { return {M.a[i], nullptr, 0}; }
constexpr Entries columnOf(const Matrix& M, int j) { return {nullptr, M.a, j}; }
constexpr Entries entries(const double* v) { return {v, nullptr, 0}; }
constexpr Entries entries(const Vector& v) { return {v.v, nullptr, 0}; }
// The same for fractions.
struct ExactEntries {
    const Rational* line = nullptr;
    const ExactMatrix* matrix = nullptr;  // else a column of this matrix
    int column = 0;
    const Rational& operator[](int j) const { return line ? line[j] : (*matrix)(j, column); }
};
inline ExactEntries rowOf(const ExactMatrix& M, int i) { return {M.row(i), nullptr, 0}; }
inline ExactEntries columnOf(const ExactMatrix& M, int j) { return {nullptr, &M, j}; }
inline ExactEntries entries(const ExactVector& v) { return {v.v.data(), nullptr, 0}; }

// One explanation line being built.
class Line {
public:
    explicit Line(const Context& ctx) : ctx_(ctx), dec_(ctx.decimal) {}
    Line& operator<<(std::string_view text);
    Line& operator<<(int i);
    Line& operator<<(std::int64_t i);
    // v in the listing's format.
    Line& num(double v);
    // As num, a negative value in parentheses: it follows an operator.
    Line& term(double v);
    // A fraction (exactlisting.h's exactText), and the same after an operator.
    Line& num(const Rational& v);
    Line& term(const Rational& v);
    // "(v(1); v(2); …; v(k))".
    Line& vec(Entries v, int from, int to);
    std::string& text() { return s_; }

private:
    const Context& ctx_;
    const std::string& dec_;
    std::string s_;
};

// "i. satır ← i. satır − (f) × k. satır"
void rowOperation(Context& ctx, int target, double multiplier, int source);
// The row operations of one elimination step: each one with a non-zero
// multiplier as a line of its own, those with a multiplier of exactly 0
// (the row needs no change) gathered in one line when the step ends.
class RowOperations {
public:
    explicit RowOperations(Context& ctx) : ctx_(ctx) {}
    // Row `target` takes `multiplier` times row `source`; `zero` says that
    // the multiplier is exactly 0.
    void add(int target, double multiplier, int source, bool zero);
    void add(int target, const Rational& multiplier, int source, bool zero);
    // Ends the step: the line of the unchanged rows, if any.
    void finish();

private:
    Context& ctx_;
    std::string unchanged_;
};

// "i. satır ← i. satır / p"
void rowDivision(Context& ctx, int row, double divisor);
void rowDivision(Context& ctx, int row, const Rational& divisor);
// "i. ve j. satırlar yer değiştirdi" (or "sütunlar")
void rowExchange(Context& ctx, int i, int j);
void columnExchange(Context& ctx, int i, int j);
// "x(i) ile x(j) yer değiştirdi"
void rootExchange(Context& ctx, int i, int j);
// Step k of the maximum-pivot search: the element found and where, or that
// the remaining block holds none.
void largestElement(Context& ctx, int k, double largest, int row, int column);
// "Köşegen elemanlarının çarpımı: A(1,1) × … × A(n,n)", nothing for n = 0.
void diagonalProduct(Context& ctx, const Matrix& A, int n);
void diagonalProduct(Context& ctx, const ExactMatrix& A, int n);

// lhs = (first − c(from) × v(from) − … − c(to) × v(to)) / divisor = result.
// With no terms (from > to) the parentheses go, and without a divisor the
// division goes; with neither the line is "lhs = result".
void formula(Context& ctx, std::string_view lhs, double first, Entries c, Entries v, int from, int to,
             std::optional<double> divisor, double result);
void formula(Context& ctx, std::string_view lhs, const Rational& first, ExactEntries c, ExactEntries v, int from,
             int to, std::optional<Rational> divisor, const Rational& result);

// "lhs = √radicand = result"
void squareRoot(Context& ctx, std::string_view lhs, double radicand, double result);

// "name = (v(from); …; v(to))"
void vector(Context& ctx, std::string_view name, Entries v, int from, int to);
// One LU step k of n in one line, for sizes whose elements are not each
// explained: the pivot, and which row of U and column of L were formed.
void luStep(Context& ctx, int k, int n, double pivot);

// "label = v"
void value(Context& ctx, std::string_view label, double v);
// A table row of Thomas's sweep, "β(i) = …   γ(i) = …", after a heading
// line for i = 1.
void thomasRow(Context& ctx, int i, double beta, double gamma);

// One step of Thomas's forward sweep written out with its numbers:
// "β(i) = b(i) − a(i) × c(i−1) / β(i−1) = b − (a) × (c) / (β) = result",
// and the same for γ with d and γ(i−1) (`symbol`, `start` and `factor`
// name them). For i = 1, "β(1) = b(1) = b".
void thomasFormula(Context& ctx, std::string_view symbol, std::string_view start, std::string_view factor, int i,
                   double first, double a, double c, double previous, double result);

// The leading size × size block of M, in the listing's layout.
void block(Context& ctx, const Matrix& M, int size);

// The limit an iteration runs to (the whole part of L, and 0 below 1) and,
// for SOR, the relaxation factor, as read from the boxes.
void iterationLimits(Context& ctx, double L, std::optional<double> w);

// "x(i)", "U(i,j)" and the like, for formula's left-hand side.
std::string name(std::string_view symbol, int i);
std::string name(std::string_view symbol, int i, int j);

// The iterative methods' table: one line per sweep with the sweep number,
// x(1)..x(n) and the maximum change. The first kHead sweeps are written as
// they happen; of the rest only the last kTail are kept (as numbers, in a
// ring) and written by finish(), after one line saying how many were left
// out. Constructing it costs nothing; it allocates on the first sweep past
// kHead.
class IterationTable {
public:
    static constexpr std::int64_t kHead = 100;
    static constexpr std::int64_t kTail = 20;

    explicit IterationTable(Context& ctx) : ctx_(ctx) {}
    void sweep(std::int64_t k, const double* x, double e);
    void finish();

private:
    void write(std::int64_t k, const double* x, double e);

    Context& ctx_;
    std::vector<double> ring_;  // kTail rows of x(1..n) and e
    std::int64_t last_ = 0;
};

}  // namespace lineer::steps
