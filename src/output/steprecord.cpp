#include "steprecord.h"

#include <algorithm>
#include <cmath>

#include "numformat.h"

namespace lineer {

void StepRecord::clear() {
    grids_.clear();
    matrices_.clear();
    steps_.clear();
    extents_.clear();
    leftOut_ = 0;
}

// The listing's cell: an exact zero is "0.", a value that is not finite
// the explanations' word for it (the run ends with its message then).
std::string StepRecord::cell(double v) const {
    if (v == 0) return "0.";
    if (!std::isfinite(v)) return std::string(text(Text::StepOverflow));
    return formatFixed4(v, decimal_);
}

RecordedStep::RowChange StepRecord::rowOf(int grid, int row, int from, int to) const {
    const StepGrid& g = grids_[static_cast<std::size_t>(grid)];
    const Matrix& M = *matrices_[static_cast<std::size_t>(grid)];
    RecordedStep::RowChange change{grid, row, from, {}};
    const int last = to > 0 ? to : g.cols;
    change.cells.reserve(static_cast<std::size_t>(std::max(0, last - from + 1)));
    for (int j = from; j <= last; ++j) change.cells.push_back(cell(M(row, j)));
    return change;
}

int StepRecord::grid(PlainText title, const Matrix& M, int rows, int cols, int bar,
                     std::vector<std::string> columnHeadings, int filled) {
    // A method that hands over to another (the maximum-pivot Gauss to the
    // plain one) keeps the grid it declared.
    for (std::size_t g = 0; g < grids_.size(); ++g)
        if (matrices_[g] == &M && grids_[g].rows == rows && grids_[g].cols == cols) return static_cast<int>(g);
    const int id = static_cast<int>(grids_.size());
    grids_.push_back({title.key(), rows, cols, bar, std::move(columnHeadings)});
    matrices_.push_back(&M);
    extents_.push_back(0);
    if (steps_.empty()) steps_.push_back({stepText(Text::StepViewStart), 0, 0, 0, {}, {}, {}, {}});
    // A grid declared later is filled by the steps that change it: its
    // start shows only what it holds now.
    RecordedStep& first = steps_.front();
    for (int i = 1; i <= rows; ++i) first.changes.push_back(rowOf(id, i, 1, filled));
    first.extents = extents_;
    return id;
}

void StepRecord::step(StepMarks marks) {
    RecordedStep s;
    s.explanation = std::move(marks.explanation);
    s.grid = marks.grid;
    s.pivotRow = marks.pivotRow;
    s.pivotColumn = marks.pivotColumn;
    for (double f : marks.multipliers) s.multipliers.push_back(cell(f));
    for (int i : marks.rows) s.changes.push_back(rowOf(marks.grid, i, marks.fromColumn));
    s.rows = std::move(marks.rows);
    for (const auto& [grid, row] : marks.alsoRows) s.changes.push_back(rowOf(grid, row, 1));
    extents_[static_cast<std::size_t>(marks.grid)] = marks.extent;
    s.extents = extents_;
    steps_.push_back(std::move(s));
}

void StepRecord::sweep(std::int64_t k, const double* p, const double* x, int n, double e) {
    if (grids_.empty()) {
        grids_.push_back({Text::StepViewSweepTitle, n, 3, 0, {"x(k\u22121)", "x(k)", "|x(k) \u2212 x(k\u22121)|"}});
        matrices_.push_back(nullptr);
        extents_.push_back(0);
    }
    if (steps_.size() > kMaxSweeps) {
        ++leftOut_;
        return;
    }
    RecordedStep s;
    s.explanation = stepText(Text::StepViewSweep, intText(k), formatRounded(e, 6, decimal_));
    s.extents = extents_;
    for (int i = 1; i <= n; ++i) {
        s.rows.push_back(i);
        s.changes.push_back({0, i, 1, {cell(p[i]), cell(x[i]), cell(std::fabs(x[i] - p[i]))}});
    }
    steps_.push_back(std::move(s));
}

std::vector<GridCells> StepRecord::cellsAt(std::size_t k) const {
    std::vector<GridCells> out;
    for (const StepGrid& g : grids_)
        out.push_back({g.rows, g.cols, std::vector<std::string>(static_cast<std::size_t>(g.rows * g.cols))});
    for (std::size_t s = 0; s <= k && s < steps_.size(); ++s)
        for (const RecordedStep::RowChange& c : steps_[s].changes) {
            GridCells& g = out[static_cast<std::size_t>(c.grid)];
            for (std::size_t j = 0; j < c.cells.size(); ++j)
                g.cells[static_cast<std::size_t>((c.row - 1) * g.cols + c.from - 1) + j] = c.cells[j];
        }
    return out;
}

}  // namespace lineer
