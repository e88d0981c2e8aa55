#include "pivoting.h"

#include <cmath>
#include <memory>

#include "listing.h"
#include "numformat.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer::pivoting {

namespace {

// A step's lines after the explanations of the step before are set apart.
void apart(Context& ctx) {
    if (ctx.explaining) ctx.blank();
}

}  // namespace

int partialPivotRow(const Matrix& A, int n, int k) {
    int p = k;
    double largest = std::fabs(A(k, k));
    for (int i = k + 1; i <= n; ++i)
        if (std::fabs(A(i, k)) > largest) {
            p = i;
            largest = std::fabs(A(i, k));
        }
    return p;
}

void eliminate(Context& ctx, Matrix& A, int n, int k, int last) {
    const double pivot = A(k, k);
    const EliminationStep step(A.a[k], pivot, k, last);
    steps::RowOperations explained(ctx);
    StepObserver* const watch = ctx.stepObserver;
    StepMarks marks;
    if (watch)
        marks = watch::elimination(A, stepText(Text::StepViewElimination, intText(k), watch::number(ctx, pivot)),
                                   watch::system(ctx, A, n, ctx.ws.m), k, k + 1, n, pivot, k);
    for (int i = k + 1; i <= n; ++i) {
        const double f = A(i, k);
        if (ctx.params.steps) explained.add(i, f / pivot, k, f == 0);
        step.apply(A.a[i], f);
    }
    if (ctx.params.steps) explained.finish();
    if (watch) watch->step(std::move(marks));
}

void heading(Context& ctx, PlainText key) {
    ctx.blank();
    ctx.heading(key);
    ctx.blank();
}

void partialStep(Context& ctx, int k, double pivot, int row) {
    requireFinite(pivot);
    apart(ctx);
    ctx.append(format(Text::PartialPivotLine, intText(k), formatFixed4(pivot, ctx.decimal), intText(row)));
    if (row != k) ctx.append(format(Text::StepRowExchange, intText(k), intText(row)));
}

void zeroColumn(Context& ctx, int k) {
    apart(ctx);
    ctx.append(format(Text::ZeroColumnLine, intText(k)));
}

void completeStep(Context& ctx, int k, double pivot, int row, int column) {
    requireFinite(pivot);
    apart(ctx);
    ctx.append(format(Text::StepLargestElement, intText(k), formatFixed4(pivot, ctx.decimal), intText(row),
                      intText(column)));
    if (column != k) ctx.append(format(Text::StepColumnExchange, intText(k), intText(column)));
    if (row != k) ctx.append(format(Text::StepRowExchange, intText(k), intText(row)));
}

void columnVariables(Context& ctx, const int* order, int n) {
    std::string list;
    for (int k = 1; k <= n; ++k) {
        if (k > 1) list += ", ";
        list += "x(" + intText(order[k]) + ")";
    }
    ctx.blank();
    ctx.append(format(Text::ColumnVariablesLine, list));
}

void permutation(Context& ctx, const int* perm, int n) {
    std::string list;
    auto P = std::make_unique<Matrix>();
    for (int i = 1; i <= n; ++i) {
        if (i > 1) list += ", ";
        list += intText(perm[i]);
        (*P)(i, perm[i]) = 1;
    }
    ctx.blank();
    ctx.append(format(Text::PermutationLine, list));
    ctx.blank();
    ctx.heading(Text::PermutationMatrixHeading);
    Listele(ctx, n, n, *P);
}

void vector(Context& ctx, PlainText key, const char* name, const double* v, int n) {
    for (int i = 1; i <= n; ++i) requireFinite(v[i]);
    heading(ctx, key);
    for (int i = 1; i <= n; ++i) {
        std::string line = " ";
        line += name;
        line += "(";
        appendInt(line, i);
        line += ") = ";
        appendFixed4(line, v[i], ctx.decimal);
        ctx.append(std::move(line));
    }
}

}  // namespace lineer::pivoting
