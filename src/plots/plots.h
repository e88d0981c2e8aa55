#pragma once
// The plots of a system, computed from the matrix as loaded with the run's
// boxes: the convergence of the iterations, their sweeps and spectral
// radius against ω, the geometry of a 2 × 2 system, and the SOR picture's
// circles as a plot. The iterations are run as the window runs them (the
// same procedures, on a copy); ρ comes from the analysis.

#include <optional>
#include <string>
#include <vector>

#include "context.h"
#include "methodtable.h"
#include "plot.h"

namespace lineer::plots {

enum class Kind { Convergence, Omega, Geometry };

// A plot, or why there is none (a catalogue text filled in; the plot is
// then empty).
struct Result {
    Plot plot;
    std::string problem;
};

// The largest change of every sweep of `method` (one curve per iterative
// method when `method` is none or not iterative and `compare` is set),
// and where the system has one solution the error against it, on a
// logarithmic axis to the sweeps run; the tolerance as a line; ρ^k from
// the first change where the analysis gives 0 < ρ < 1.
Result convergence(const Workspace& loaded, const RunParameters& params, std::optional<Option> method, bool compare,
                   const std::string& decimal);

// The ω grid of the ω plot: 0.02, 0.04, ..., 1.98.
std::vector<double> omegaGrid();

// Sweeps to convergence at every ω of the grid for this program's SOR and
// the textbook SOR (the limit of the run's box), ρ of both against ω, the
// fewest sweeps and the least ρ of each marked, Young's curve where its
// hypothesis holds.
Result omega(const Workspace& loaded, const RunParameters& params, const std::string& decimal);

// The two lines of a 2 × 2 system, their intersection, and the path of
// `method`'s iterates (Jacobi when none is iterative) from the start
// vector: for the methods that sweep in place the corner where the first
// unknown has its new value and the second still its old one.
Result geometry(const Workspace& loaded, const RunParameters& params, std::optional<Option> method,
                const std::string& decimal);

Result make(Kind kind, const Workspace& loaded, const RunParameters& params, std::optional<Option> method,
            bool compare, const std::string& decimal);

// The SOR picture's circles (iteration, change) as a plot: the horizontal
// axis to the sweeps run, the vertical one linear from 0 or logarithmic.
Plot sorPicture(const std::vector<Point>& circles, const std::string& title, bool log, const std::string& decimal);

}  // namespace lineer::plots
