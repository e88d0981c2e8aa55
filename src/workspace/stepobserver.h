#pragma once
// What a method tells a step-by-step view, when one watches the run: the
// grids of numbers it works on and, after every step, what the step did.
// Nothing is told when no view watches (Context::stepObserver is null), so
// an unwatched run spends nothing on it.

#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "languages.h"
#include "texts.h"
#include "workspace.h"

namespace lineer {

// A step's explanation in every language, so that a view shows it in the
// language the user speaks when looking, not the one of the run.
using StepText = std::array<std::string, std::size(kLanguages)>;

template <class... Values>
StepText stepText(TextTemplate<sizeof...(Values)> key, const Values&... values) {
    StepText t;
    for (std::size_t i = 0; i < t.size(); ++i)
        detail::fill(t[i], key.key(), kLanguages[i].language, {std::string_view(values)...});
    return t;
}

// What one step did to one grid.
struct StepMarks {
    StepText explanation;
    int grid = 0;                     // the grid the rest refers to
    int pivotRow = 0, pivotColumn = 0;  // 0: no pivot
    std::vector<int> rows;            // the rows the step changed
    std::vector<double> multipliers;  // beside each changed row; empty: none
    int fromColumn = 1;               // the changed rows changed from here on
    // The block the step has formed, rows and columns 1..extent (an inverse
    // that grows by bordering); the cells outside it are not yet part of
    // the result. 0: all of it.
    int extent = 0;
    // Rows of other grids the step changed too, whole: (grid, row).
    std::vector<std::pair<int, int>> alsoRows;
};

class StepObserver {
public:
    virtual ~StepObserver() = default;
    // A run begins: what the last one told is over.
    virtual void runBegins() = 0;
    // The run has ended, its lines all listed.
    virtual void runEnded() {}
    // A grid the steps show: rows 1..rows and columns 1..cols of M, with a
    // bar before column `bar` (0: none) and, where given, a heading per
    // column. M must stay where it is for the rest of the run: every step
    // reads the rows it changed from it. The run's first step shows the
    // grid as it is now, columns 1..filled (0: all; the rest stay empty
    // until a step fills them). Returns the grid's number; the same M and
    // size declared again is the same grid.
    virtual int grid(PlainText title, const Matrix& M, int rows, int cols, int bar,
                     std::vector<std::string> columnHeadings = {}, int filled = 0) = 0;
    // A step has ended; its changed rows are read now.
    virtual void step(StepMarks marks) = 0;
    // Sweep k of an iteration has ended: the previous iterate p, the new
    // x, n components, the largest change e.
    virtual void sweep(std::int64_t k, const double* p, const double* x, int n, double e) = 0;
};

}  // namespace lineer
