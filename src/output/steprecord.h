#pragma once
// The steps of one run as plain data, for a step-by-step view: the grids
// with their cells as text in the listing's format, and every step with
// its explanation, its pivot, its changed rows and their multipliers. A
// step keeps only the rows it changed; the cells at a step are the start
// with every change up to it applied.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "stepobserver.h"

namespace lineer {

struct StepGrid {
    Text title;
    int rows = 0, cols = 0;
    int bar = 0;  // a bar stands before this column; 0: none
    std::vector<std::string> columnHeadings;
};

// The cells of every grid at one step, row by row from (1, 1).
struct GridCells {
    int rows = 0, cols = 0;
    std::vector<std::string> cells;  // "" for a cell not filled yet
    const std::string& at(int i, int j) const { return cells[static_cast<std::size_t>((i - 1) * cols + (j - 1))]; }
};

struct RecordedStep {
    StepText explanation;
    int grid = 0;
    int pivotRow = 0, pivotColumn = 0;
    std::vector<int> rows;
    std::vector<std::string> multipliers;  // beside rows, or empty
    struct RowChange {
        int grid, row, from;  // cells from column `from` on
        std::vector<std::string> cells;
    };
    std::vector<RowChange> changes;
    std::vector<int> extents;  // each grid's filled block; 0: all
};

class StepRecord : public StepObserver {
public:
    // Iterations keep this many sweeps; a longer run keeps its first ones.
    static constexpr std::size_t kMaxSweeps = 1000;

    // Numbers are written with `decimal`, the user's decimal symbol.
    explicit StepRecord(std::string decimal = ".") : decimal_(std::move(decimal)) {}

    // Forgets the last run.
    void clear();
    void runBegins() override { clear(); }
    const std::vector<StepGrid>& grids() const { return grids_; }
    const std::vector<RecordedStep>& steps() const { return steps_; }
    // The sweeps of an iteration that were not kept.
    std::int64_t sweepsLeftOut() const { return leftOut_; }
    // Every grid's cells as step k (0 .. steps().size() − 1) leaves them.
    std::vector<GridCells> cellsAt(std::size_t k) const;

    int grid(PlainText title, const Matrix& M, int rows, int cols, int bar,
             std::vector<std::string> columnHeadings = {}, int filled = 0) override;
    void step(StepMarks marks) override;
    void sweep(std::int64_t k, const double* p, const double* x, int n, double e) override;

private:
    std::string cell(double v) const;
    RecordedStep::RowChange rowOf(int grid, int row, int from, int to = 0) const;

    std::string decimal_;
    std::vector<StepGrid> grids_;
    std::vector<const Matrix*> matrices_;
    std::vector<RecordedStep> steps_;
    std::vector<int> extents_;
    std::int64_t leftOut_ = 0;
};

}  // namespace lineer
