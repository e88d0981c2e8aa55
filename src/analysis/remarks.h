#pragma once
// The remarks of a run: the figures of truth.h in words, catalogue lines in
// the language spoken. A remark does not stop the run and does not belong
// to the results list; whoever shows the run shows its remarks apart (the
// command line on stderr after the transcript, the window beside the list).
// A run whose figures say nothing untoward gets no remark.

#include <string>
#include <string_view>
#include <vector>

#include "truth.h"

namespace lineer::analysis {

// What a direct run was for, and how it ended.
enum class DirectUse {
    System,       // a solver without exchanges (Gauss, LU, Thomas)
    Exchanging,   // a solver that exchanges rows (Gauss-Jordan)
    MaxPivot,     // the maximum pivoting that chooses its pivots before eliminating
    Determinant,
    Inverse,
};

// `zeroPivot`: the run ended at a zero diagonal element (its outcome).
// `resultShown`: it ended with its roots (its inverse) on the list; a run
// that ended early with a message is not told that they cannot be trusted.
std::vector<std::string> directRemarks(const MatrixTruth& truth, DirectUse use, bool zeroPivot,
                                       bool resultShown = true);

// The determinant in full where its four decimals hide it, to the
// significant digits the elimination can vouch for (trustedDigits).
std::vector<std::string> determinantRemarks(const DeterminantTruth& det, std::string_view decimal,
                                            int digits = 13);

// How an iteration ended, where it did not converge. `tolerance` is the
// iterations' fixed one, written with the decimal symbol.
std::vector<std::string> iterationRemarks(const IterationTruth& truth, double tolerance, std::string_view decimal);

// With the analysis, after the report's "Maksimum hata": the error bound
// where ρ < 1, and the true residual.
std::vector<std::string> iterationBoundLines(const IterationTruth& truth, std::string_view decimal);

// A figure that is compared with 1 (ρ, ρ_J): four significant digits, or
// as many more as keep it on its side of 1 (0.99999999 is not "1").
std::string againstOne(double v, std::string_view decimal);

}  // namespace lineer::analysis
