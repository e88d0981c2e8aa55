// LU factorisation (Doolittle or Crout, as the caller asks), the
// two factors listed, then forward and back substitution.

#include "lu.h"

#include <memory>

#include "directsolvers.h"
#include "listing.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

// Up to this size every element's formula is explained; beyond it the lines
// would not fit a screen.
inline constexpr int kExplainEach = 6;

namespace watch {
StepMarks luStep(int gridL, int gridU, int k, int n, std::string pivot) {
    StepMarks marks{stepText(Text::StepViewLuStep, intText(k), pivot), gridU, k, k, {k}, {}, k, 0, {}};
    for (int i = k; i <= n; ++i) marks.alsoRows.emplace_back(gridL, i);
    return marks;
}
}  // namespace watch

bool luFactor(const Matrix& A, int n, LuVariant variant, Matrix& L, Matrix& U, Context* explain,
              Context* watched) {
    StepObserver* const watch = watched ? watched->stepObserver : nullptr;
    int gridL = 0, gridU = 0;
    if (watch) {
        gridL = watch->grid(Text::LowerFactorHeading, L, n, n, 0);
        gridU = watch->grid(Text::UpperFactorHeading, U, n, n, 0);
    }
    using steps::columnOf, steps::formula, steps::name, steps::rowOf;
    const bool each = explain && n <= kExplainEach;
    // Every sum runs in ascending j and is subtracted from its first term
    // before any division.
    for (int k = 1; k <= n; ++k) {
        if (variant == LuVariant::Doolittle) {
            for (int i = k; i <= n; ++i) {
                U(k, i) = subtractSum(A(k, i), [&](auto add) {
                    for (int j = 1; j <= k - 1; ++j) add(L(k, j), U(j, i));
                });
                if (each) formula(*explain, name("U", k, i), A(k, i), rowOf(L, k), columnOf(U, i), 1, k - 1, {}, U(k, i));
            }
            if (U(k, k) == 0) return false;
            for (int r = k; r <= n; ++r) {
                const double numerator = subtractSum(A(r, k), [&](auto add) {
                    for (int j = 1; j <= k - 1; ++j) add(L(r, j), U(j, k));
                });
                L(r, k) = keptQuotient(numerator, U(k, k));
                if (each)
                    formula(*explain, name("L", r, k), A(r, k), rowOf(L, r), columnOf(U, k), 1, k - 1, U(k, k), L(r, k));
            }
        } else {
            for (int r = k; r <= n; ++r) {
                L(r, k) = subtractSum(A(r, k), [&](auto add) {
                    for (int j = 1; j <= k - 1; ++j) add(L(r, j), U(j, k));
                });
                if (each) formula(*explain, name("L", r, k), A(r, k), rowOf(L, r), columnOf(U, k), 1, k - 1, {}, L(r, k));
            }
            if (L(k, k) == 0) return false;
            for (int i = k; i <= n; ++i) {
                const double numerator = subtractSum(A(k, i), [&](auto add) {
                    for (int j = 1; j <= k - 1; ++j) add(L(k, j), U(j, i));
                });
                U(k, i) = keptQuotient(numerator, L(k, k));
                if (each)
                    formula(*explain, name("U", k, i), A(k, i), rowOf(L, k), columnOf(U, i), 1, k - 1, L(k, k), U(k, i));
            }
        }
        if (watch) {
            const double pivot = variant == LuVariant::Doolittle ? U(k, k) : L(k, k);
            watch->step(watch::luStep(gridL, gridU, k, n, watch::number(*watched, pivot)));
        }
        if (explain && !each) steps::luStep(*explain, k, n, variant == LuVariant::Doolittle ? U(k, k) : L(k, k));
    }
    return true;
}

RunResult Module_LUFact(Context& ctx, LuVariant variant) {
    const Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    auto L = std::make_unique<Matrix>();
    auto U = std::make_unique<Matrix>();
    if (!luFactor(A, n, variant, *L, *U, ctx.params.steps ? &ctx : nullptr, &ctx))
        return ctx.stopInPicture(Outcome::ZeroPivot, Text::ZeroDiagonal);

    ctx.blank();
    ctx.heading(Text::LowerFactorHeading);
    Listele(ctx, n, n, *L);
    ctx.blank();
    ctx.heading(Text::UpperFactorHeading);
    Listele(ctx, n, n, *U);

    // Without equations there is nothing to substitute (the first step
    // would divide by the unused L(0, 0)); the roots block stays empty.
    if (n >= 1) {
        Vector y;
        using steps::entries, steps::name, steps::rowOf;
        const bool each = ctx.params.steps && n <= kExplainEach;
        y(1) = keptQuotient(A(1, m), (*L)(1, 1));
        if (each) steps::formula(ctx, name("y", 1), A(1, m), {}, {}, 1, 0, (*L)(1, 1), y(1));
        for (int i = 2; i <= n; ++i) {
            const double numerator = subtractSum(A(i, m), [&](auto add) {
                for (int j = 1; j <= i - 1; ++j) add((*L)(i, j), y(j));
            });
            y(i) = keptQuotient(numerator, (*L)(i, i));
            if (each) steps::formula(ctx, name("y", i), A(i, m), rowOf(*L, i), entries(y.v), 1, i - 1, (*L)(i, i), y(i));
        }
        if (ctx.params.steps && !each) steps::vector(ctx, "y", entries(y.v), 1, n);
        x(n) = keptQuotient(y(n), (*U)(n, n));
        if (each) steps::formula(ctx, name("x", n), y(n), {}, {}, 1, 0, (*U)(n, n), x(n));
        for (int i = n - 1; i >= 1; --i) {
            const double numerator = subtractSum(y(i), [&](auto add) {
                for (int j = i + 1; j <= n; ++j) add((*U)(i, j), x(j));
            });
            x(i) = keptQuotient(numerator, (*U)(i, i));
            if (each) steps::formula(ctx, name("x", i), y(i), rowOf(*U, i), entries(x.v), i + 1, n, (*U)(i, i), x(i));
        }
        if (ctx.params.steps && !each) steps::vector(ctx, "x", entries(x.v), 1, n);
    }

    ctx.blank();
    appendRootsBlock(ctx, Text::SortedRootsHeading);
    return ctx.solved();
}

}  // namespace lineer
