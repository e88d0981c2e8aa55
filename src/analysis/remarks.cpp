#include "remarks.h"

#include <charconv>
#include <cmath>

#include "numformat.h"
#include "numparse.h"
#include "texts.h"

namespace lineer::analysis {

std::string againstOne(double v, std::string_view decimal) {
    auto side = [](double x) { return (x > 1) - (x < 1); };
    for (int digits = 4; digits < 17; ++digits) {
        const std::string shown = formatSignificant(v, digits, ".");
        const double back = decimalToDouble(shown);
        if (side(back) == side(v)) return formatSignificant(v, digits, decimal);
    }
    return formatSignificant(v, 17, decimal);
}

std::vector<std::string> directRemarks(const MatrixTruth& truth, DirectUse use, bool zeroPivot, bool resultShown) {
    std::vector<std::string> out;
    if (truth.n < 1) return out;
    const std::string rank = intText(truth.rank), order = intText(truth.n);
    if (truth.singular) {
        const bool shown = resultShown && !zeroPivot;
        const std::string augmented = intText(truth.rankAugmented), free = intText(truth.freeVariables);
        switch (use) {
            case DirectUse::Determinant:
                out.push_back(format(Text::RemarkSingularDeterminant, rank, order));
                break;
            case DirectUse::Inverse:
                out.push_back(shown ? format(Text::RemarkSingularInverse, rank, order)
                                    : format(Text::RemarkSingularNoInverse, rank, order));
                break;
            default:
                if (!truth.system)
                    out.push_back(shown ? format(Text::RemarkSingularSquare, rank, order)
                                        : format(Text::RemarkSingularSquareEnded, rank, order));
                else if (truth.solutions == Solutions::None)
                    out.push_back(shown ? format(Text::RemarkNoSolution, rank, augmented)
                                        : format(Text::RemarkNoSolutionEnded, rank, augmented));
                else
                    out.push_back(shown ? format(Text::RemarkInfiniteSolutions, rank, free)
                                        : format(Text::RemarkInfiniteSolutionsEnded, rank, free));
        }
        return out;
    }
    if (!zeroPivot) return out;
    switch (use) {
        case DirectUse::Determinant:
            out.emplace_back(text(Text::RemarkZeroPivotRegularMatrix));
            break;
        case DirectUse::Inverse:
            out.emplace_back(text(Text::RemarkZeroPivotRegularInverse));
            break;
        case DirectUse::MaxPivot:
            out.emplace_back(text(Text::RemarkMaxPivotZeroPivot));
            break;
        default:
            out.emplace_back(text(Text::RemarkZeroPivotRegular));
    }
    return out;
}

std::vector<std::string> determinantRemarks(const DeterminantTruth& det, std::string_view decimal, int digits) {
    if (!det.hidden) return {};
    return {format(Text::RemarkDeterminantInFull, formatSignificantScaled(det.mantissa, det.exponent, digits, decimal))};
}

std::vector<std::string> iterationRemarks(const IterationTruth& truth, double tolerance, std::string_view decimal) {
    switch (truth.end) {
        case IterationEnd::Converged:
            return {};
        case IterationEnd::StartVector:
            if (truth.sweeps == 0) return {std::string(text(Text::RemarkNoSweep))};
            return {std::string(text(Text::RemarkOmegaZero))};
        case IterationEnd::NotConverged:
            return {format(Text::RemarkNotConverged, intText(truth.sweeps),
                           formatSignificant(truth.lastChange, 3, decimal), formatRounded(tolerance, 6, decimal))};
        case IterationEnd::Diverges:
            if (truth.rho && truth.rho->value >= 1)
                return {format(Text::RemarkDivergesRadius, againstOne(truth.rho->value, decimal))};
            // A change that overflowed has ended the run with its own message.
            if (!std::isfinite(truth.lastChange)) return {};
            return {format(Text::RemarkDivergesGrowing, formatSignificant(truth.lastChange, 3, decimal))};
    }
    return {};
}

std::vector<std::string> iterationBoundLines(const IterationTruth& truth, std::string_view decimal) {
    std::vector<std::string> out;
    if (truth.errorBound && truth.rho)
        out.push_back(format(Text::ErrorBoundLine, formatSignificant(*truth.errorBound, 3, decimal),
                             againstOne(truth.rho->value, decimal)));
    if (truth.residual) out.push_back(format(Text::ResidualLine, formatSignificant(truth.residual->largest, 3, decimal)));
    return out;
}

}  // namespace lineer::analysis
