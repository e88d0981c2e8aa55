// Cholesky's factorisation A = L·Lᵀ of a symmetric positive definite
// matrix, column by column, then L·y = b and Lᵀ·x = y. A matrix that is not
// symmetric, or whose value under a root is not positive (it is not
// positive definite), is refused with a message that says where.

#include <cmath>
#include <memory>
#include <optional>

#include "directsolvers.h"
#include "listing.h"
#include "numformat.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

namespace {

// Up to this size every element is explained with its formula.
inline constexpr int kExplainEachUpTo = 6;

// A value of the messages: enough digits that two different ones differ.
std::string messageValue(const Context& ctx, double v, double other) {
    if (!std::isfinite(v)) return std::string(v > 0 ? text(Text::Infinity) : text(Text::MinusInfinity));
    const std::string short_ = formatSignificant(v, 6, ctx.decimal);
    return short_ != formatSignificant(other, 6, ctx.decimal) || v == other ? short_
                                                                            : formatSignificant(v, 17, ctx.decimal);
}

// The first A(i, j), i < j in the order of the rows, that differs from
// A(j, i): the message that names it; nullopt for a symmetric block.
std::optional<std::string> asymmetry(const Context& ctx, const Matrix& A, int n) {
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (A(i, j) != A(j, i))
                return format(Text::NotSymmetric, intText(i), intText(j), messageValue(ctx, A(i, j), A(j, i)),
                              messageValue(ctx, A(j, i), A(i, j)));
    return std::nullopt;
}

// Column k of L: L(k, k) = √(A(k, k) − Σ L(k, j)²), then for the rows
// below L(i, k) = (A(i, k) − Σ L(i, j)·L(k, j)) / L(k, k), j = 1..k−1.
// The sum of squares is carried with its exponent apart where a square
// leaves the range of a double. Returns the value under the root when it
// is not positive (the column is not formed), else nullopt.
std::optional<double> column(Context& ctx, const Matrix& A, int n, int k, Matrix& L) {
    const bool each = ctx.params.steps && n <= kExplainEachUpTo;
    using steps::formula, steps::name, steps::rowOf;
    const Scaled squares = carriedSum([&](auto add) {
        for (int j = 1; j < k; ++j) add(L(k, j), L(k, j));
    });
    const Scaled radicand = Scaled(A(k, k)) - squares;
    if (radicand.underflows()) throw NumberUnderflow();
    const double d = radicand.value();
    if (each) formula(ctx, name("L", k, k) + "\u00b2", A(k, k), rowOf(L, k), rowOf(L, k), 1, k - 1, {}, d);
    if (!(d > 0)) return d;
    L(k, k) = std::sqrt(d);
    if (each) steps::squareRoot(ctx, name("L", k, k), d, L(k, k));
    for (int i = k + 1; i <= n; ++i) {
        const double numerator = subtractSum(A(i, k), [&](auto add) {
            for (int j = 1; j < k; ++j) add(L(i, j), L(k, j));
        });
        L(i, k) = keptQuotient(numerator, L(k, k));
        if (each) formula(ctx, name("L", i, k), A(i, k), rowOf(L, i), rowOf(L, k), 1, k - 1, L(k, k), L(i, k));
    }
    return std::nullopt;
}

// L·y = b with b in column m of A, then Lᵀ·x = y into the roots.
void substitute(Context& ctx, const Matrix& A, int m, const Matrix& L) {
    const int n = ctx.ws.n;
    Vector& x = ctx.ws.x;
    double y[kDim] = {};
    for (int i = 1; i <= n; ++i) {
        const double numerator = subtractSum(A(i, m), [&](auto add) {
            for (int j = 1; j < i; ++j) add(L(i, j), y[j]);
        });
        y[i] = keptQuotient(numerator, L(i, i));
    }
    if (ctx.params.steps) steps::vector(ctx, "y", steps::entries(y), 1, n);
    for (int i = n; i >= 1; --i) {
        const double numerator = subtractSum(y[i], [&](auto add) {
            for (int j = i + 1; j <= n; ++j) add(L(j, i), x(j));
        });
        x(i) = keptQuotient(numerator, L(i, i));
    }
    if (ctx.params.steps) steps::vector(ctx, "x", steps::entries(x.v), 1, n);
}

}  // namespace

RunResult Module_LesCholesky(Context& ctx) {
    if (!systemLoaded(ctx.ws)) return ctx.refuse(Text::SystemNeeded);
    const Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    if (const auto why = asymmetry(ctx, A, n)) return ctx.refuse(Text::NotSymmetricReason, *why);
    auto L = std::make_unique<Matrix>();
    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch->grid(Text::CholeskyFactorHeading, *L, n, n, 0) : 0;
    for (int k = 1; k <= n; ++k) {
        if (const auto d = column(ctx, A, n, k, *L))
            return ctx.refuse(Text::NotPositiveDefiniteReason,
                              format(Text::NotPositiveDefinite, intText(k), messageValue(ctx, *d, *d)));
        if (watch) {
            StepMarks marks{stepText(Text::StepViewCholeskyStep, intText(k), watch::number(ctx, (*L)(k, k))), grid, k, k,
                            {}, {}, k, 0, {}};
            for (int i = k; i <= n; ++i) marks.rows.push_back(i);
            watch->step(std::move(marks));
        }
    }

    ctx.blank();
    ctx.heading(Text::CholeskyFactorHeading);
    Listele(ctx, n, n, *L);
    substitute(ctx, A, ctx.ws.m, *L);
    ctx.blank();
    appendRootsBlock(ctx, Text::RootsHeading);
    return ctx.solved();
}

}  // namespace lineer
