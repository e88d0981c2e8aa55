#pragma once
// The iterations run as the window runs them, on a copy of the matrix as
// loaded, with nothing shown: every sweep's largest change and, where
// asked, its error against a reference solution or the iterate itself.

#include <optional>
#include <string>
#include <vector>

#include "context.h"
#include "methodtable.h"

namespace lineer::plots {

struct Sweeps {
    RunResult result;
    std::vector<double> changes;  // of sweeps 1, 2, ...
    // ‖x(k) − reference‖∞ for every sweep, when a reference was given.
    std::vector<double> errors;
    // x(1..n) after every sweep, the start first, when they were kept.
    std::vector<std::vector<double>> iterates;
    std::string message;  // the first message the run showed ("" for none)
};

// Runs `method` with `params` (their boxes read as "Hesapla" reads them;
// `w`, when given, in place of the relaxation factor's box). Steps and
// analysis are off.
Sweeps runSweeps(const Workspace& loaded, RunParameters params, Option method, const std::string& decimal,
                 std::optional<double> w = std::nullopt, const std::vector<double>* reference = nullptr,
                 bool keepIterates = false);

// The system's solution by Gauss elimination with partial pivoting, when
// the matrix as loaded is a regular system's; nullopt otherwise.
std::optional<std::vector<double>> directSolution(const Workspace& loaded, const std::string& decimal);

// ω as read from its box, for a title; the box's text when it read as a
// value that is not finite.
std::string omegaText(const RunParameters& read, const std::string& decimal);

// The method's caption as the results list's heading has it, without the
// spaces some captions carry.
std::string caption(Option method);

}  // namespace lineer::plots
