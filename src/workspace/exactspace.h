#pragma once
// The workspace in exact fractions, and the arithmetic a method is written
// in: Arith<double> is the double path as it always was (the scaled
// helpers of scaled.h, in the same order), Arith<Rational> does the same
// steps exactly. A method written once over Arith<S> runs on either.

#include <vector>

#include "rational.h"
#include "scaled.h"
#include "workspace.h"

namespace lineer {

// A 101 × 101 matrix of fractions, indexed (row, column) as Matrix is.
class ExactMatrix {
public:
    ExactMatrix() : cells_(static_cast<std::size_t>(kDim) * kDim) {}
    Rational& operator()(int i, int j) { return cells_[static_cast<std::size_t>(i) * kDim + j]; }
    const Rational& operator()(int i, int j) const { return cells_[static_cast<std::size_t>(i) * kDim + j]; }
    Rational* row(int i) { return &cells_[static_cast<std::size_t>(i) * kDim]; }
    const Rational* row(int i) const { return &cells_[static_cast<std::size_t>(i) * kDim]; }

private:
    std::vector<Rational> cells_;
};

struct ExactVector {
    std::vector<Rational> v = std::vector<Rational>(kDim);
    Rational& operator()(int i) { return v[static_cast<std::size_t>(i)]; }
    const Rational& operator()(int i) const { return v[static_cast<std::size_t>(i)]; }
};

struct ExactWorkspace {
    ExactMatrix A;
    ExactVector x;
    int n = 0;
    int m = 0;
};

// The workspace's block A(1..n, 1..m) exactly: each cell as its file text
// reads ("0.1" is 1/10) while its double is still the one the text gave,
// otherwise the exact value of its double; x(1..n) as its doubles.
ExactWorkspace exactOf(const Workspace& ws);
// What an exact run leaves: the nearest doubles of A(1..n, 1..m) and
// x(1..n) back in the workspace.
void storeNearest(const ExactWorkspace& exact, Workspace& ws);

// One elimination step in fractions: row(j) = row(j) − f × (pivotRow(j) /
// pivot), with the quotients formed once, as EliminationStep does.
class ExactStep {
public:
    ExactStep(const Rational* pivotRow, const Rational& pivot, int from, int to) : from_(from), q_(kDim) {
        for (int j = from; j <= to; ++j) q_[static_cast<std::size_t>(j)] = pivotRow[j] / pivot;
        to_ = to;
    }
    void apply(Rational* row, const Rational& f) const {
        if (f == 0) return;
        for (int j = from_; j <= to_; ++j) row[j] -= f * q_[static_cast<std::size_t>(j)];
    }

private:
    int from_, to_ = 0;
    std::vector<Rational> q_;
};

template <class S>
struct Arith;

template <>
struct Arith<double> {
    using Matrix = lineer::Matrix;
    using Vector = lineer::Vector;
    using Space = Workspace;
    using Step = EliminationStep;
    static constexpr bool exact = false;
    static double quotient(double num, double den) { return keptQuotient(num, den); }
    template <class Terms>
    static double subtractSum(double first, Terms&& terms) {
        return lineer::subtractSum(first, std::forward<Terms>(terms));
    }
    static double magnitude(double v) { return std::fabs(v); }
};

template <>
struct Arith<Rational> {
    using Matrix = ExactMatrix;
    using Vector = ExactVector;
    using Space = ExactWorkspace;
    using Step = ExactStep;
    static constexpr bool exact = true;
    static Rational quotient(const Rational& num, const Rational& den) { return num / den; }
    template <class Terms>
    static Rational subtractSum(const Rational& first, Terms&& terms) {
        Rational s = 0;
        terms([&s](const Rational& a, const Rational& b) { s += a * b; });
        return first - s;
    }
    static Rational magnitude(const Rational& v) { return abs(v); }
};

}  // namespace lineer
