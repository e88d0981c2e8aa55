#pragma once
// How a method written over Arith<S> runs in exact fractions: on an exact
// copy of the workspace, whose nearest doubles it leaves behind.

#include "context.h"
#include "exactlisting.h"
#include "exactspace.h"

#include <vector>

namespace lineer {

// What exact arithmetic says of a system A·x = b (the unknowns in columns
// 1..m − 1, b in column m): its rank, whether it has a solution, and then
// every solution as particular + Σ t_k × directions[k], one direction per
// free variable (free[k] its index).
struct GeneralSolution {
    int rank = 0;
    bool consistent = true;
    std::vector<Rational> particular;               // x(1..unknowns), index 0 unused
    std::vector<int> free;                          // the free variables, ascending
    std::vector<std::vector<Rational>> directions;  // one per free variable, as particular
};
GeneralSolution generalSolution(const ExactWorkspace& system);

// For a system A·x = b in columns 1..m − 1 and m of `system` (the matrix as
// the method was given it): which case it is when it has not exactly one
// solution, and its general solution when it has infinitely many, the free
// variables as parameters. Nothing for a system with one solution.
void explainSingular(Context& ctx, const ExactWorkspace& system);

// Runs `procedure(ctx, exact workspace)`. A solver (`solves`) that meets a
// zero pivot goes on to say which case the system is.
template <class Procedure>
RunResult runExact(Context& ctx, Procedure&& procedure, bool solves = true) {
    ExactWorkspace ws = exactOf(ctx.ws);
    const ExactWorkspace given = solves ? ws : ExactWorkspace{};
    RunResult result = procedure(ctx, ws);
    if (solves && result.outcome == Outcome::ZeroPivot) explainSingular(ctx, given);
    storeNearest(ws, ctx.ws);
    endExactRun(ctx);
    return result;
}

}  // namespace lineer
