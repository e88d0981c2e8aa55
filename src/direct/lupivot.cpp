// LU factorisation with partial pivoting, P·A = L·U: the permutation (as
// the rows it takes and as the matrix P), the unit lower L and the upper U,
// then the forward substitution L·y = P·b and the back substitution
// U·x = y.

#include <memory>
#include <optional>
#include <utility>

#include "directsolvers.h"
#include "listing.h"
#include "lu.h"
#include "numformat.h"
#include "pivoting.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

int luPivotFactor(const Matrix& A, int n, Matrix& L, Matrix& U, int* perm, Context* explain, Context* watched) {
    StepObserver* const watch = watched ? watched->stepObserver : nullptr;
    int gridL = 0, gridU = 0;
    if (watch) {
        gridL = watch->grid(Text::LowerFactorHeading, L, n, n, 0);
        gridU = watch->grid(Text::UpperFactorHeading, U, n, n, 0);
    }
    for (int i = 1; i <= n; ++i) {
        perm[i] = i;
        for (int j = 1; j <= n; ++j) U(i, j) = A(i, j);
    }
    for (int k = 1; k <= n; ++k) {
        const int p = pivoting::partialPivotRow(U, n, k);
        if (U(p, k) == 0) return k;
        // The multipliers already in L go with their rows.
        if (p != k) {
            std::swap(perm[k], perm[p]);
            for (int j = 1; j < k; ++j) std::swap(L(k, j), L(p, j));
            for (int j = k; j <= n; ++j) std::swap(U(k, j), U(p, j));
            if (explain) steps::rowExchange(*explain, k, p);
            if (watch) {
                watch->step({stepText(Text::StepViewRowExchange, intText(k), intText(p)), gridU, 0, 0, {k, p}, {}, 1,
                             0, {{gridL, k}, {gridL, p}}});
            }
        }
        L(k, k) = 1;
        const double pivot = U(k, k);
        const EliminationStep step(U.a[k], pivot, k, n);
        std::optional<steps::RowOperations> explained;
        if (explain) explained.emplace(*explain);
        for (int i = k + 1; i <= n; ++i) {
            const double f = U(i, k);
            L(i, k) = keptQuotient(f, pivot);
            if (explained) explained->add(i, L(i, k), k, f == 0);
            step.apply(U.a[i], f);
        }
        if (explained) explained->finish();
        if (watch) {
            StepMarks marks = watch::luStep(gridL, gridU, k, n, watch::number(*watched, pivot));
            for (int i = k + 1; i <= n; ++i) marks.rows.push_back(i);
            watch->step(std::move(marks));
        }
    }
    return 0;
}

namespace {

// Up to this size every substitution is explained with its formula.
inline constexpr int kExplainEachUpTo = 6;

// L·y = P·b, the right-hand side in column m of A.
void forward(Context& ctx, const Matrix& A, int m, const Matrix& L, const int* perm, double* y) {
    const int n = ctx.ws.n;
    for (int i = 1; i <= n; ++i) {
        y[i] = subtractSum(A(perm[i], m), [&](auto add) {
            for (int j = 1; j < i; ++j) add(L(i, j), y[j]);
        });
        if (ctx.params.steps && n <= kExplainEachUpTo)
            steps::formula(ctx, steps::name("y", i), A(perm[i], m), steps::rowOf(L, i), steps::entries(y), 1, i - 1,
                           {}, y[i]);
    }
}

// U·x = y, into the workspace's roots.
void back(Context& ctx, const Matrix& U, const double* y) {
    const int n = ctx.ws.n;
    Vector& x = ctx.ws.x;
    for (int i = n; i >= 1; --i) {
        const double numerator = subtractSum(y[i], [&](auto add) {
            for (int j = i + 1; j <= n; ++j) add(U(i, j), x(j));
        });
        x(i) = keptQuotient(numerator, U(i, i));
        if (ctx.params.steps && n <= kExplainEachUpTo)
            steps::formula(ctx, steps::name("x", i), y[i], steps::rowOf(U, i), steps::entries(x.v), i + 1, n,
                           U(i, i), x(i));
    }
}

}  // namespace

RunResult Module_LesLUPivot(Context& ctx) {
    if (!systemLoaded(ctx.ws)) return ctx.refuse(Text::SystemNeeded);
    const int n = ctx.ws.n;
    auto L = std::make_unique<Matrix>();
    auto U = std::make_unique<Matrix>();
    int perm[kDim] = {};
    if (const int k = luPivotFactor(ctx.ws.A, n, *L, *U, perm, ctx.params.steps ? &ctx : nullptr, &ctx))
        return ctx.stop(Outcome::ZeroPivot, format(Text::SingularColumn, intText(k)));
    pivoting::permutation(ctx, perm, n);
    ctx.blank();
    ctx.heading(Text::LowerFactorHeading);
    Listele(ctx, n, n, *L);
    ctx.blank();
    ctx.heading(Text::UpperFactorHeading);
    Listele(ctx, n, n, *U);

    double y[kDim] = {};
    forward(ctx, ctx.ws.A, ctx.ws.m, *L, perm, y);
    pivoting::vector(ctx, Text::ForwardSubstitutionHeading, "y", y, n);
    back(ctx, *U, y);
    ctx.blank();
    appendRootsBlock(ctx, Text::RootsHeading);
    return ctx.solved();
}

}  // namespace lineer
