#pragma once
// What a method procedure reaches: the workspace and the host that shows
// its output.

#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host.h"
#include "outcome.h"
#include "stepobserver.h"
#include "texts.h"
#include "workspace.h"

namespace lineer {

// What a run is given besides the workspace: the texts of the two boxes as
// the user left them, and the numbers they read as. A switch that applies
// to a whole run belongs here too.
struct RunParameters {
    std::string maxIterText = "100";  // "Maksimum iterasyon sayısı"
    std::string wText = "1";          // "Gevşetme faktörü"
    // Whether the method explains its steps (see steps.h). Off by default;
    // every explanation is behind a test of this flag.
    bool steps = false;
    // Whether the run adds its analysis: the accuracy of a direct method's
    // result, the convergence of an iteration. Off by default.
    bool analysis = false;
    // The two texts by the text-to-number rule: the iteration limit and ω.
    // The dispatcher reads them at the start of every run (readBoxes in
    // session.h); whatever the run does reads these, never the texts.
    double maxIter = 100;
    double w = 1;
    // Where the iterations start and when they stop, when the user set
    // them: one value for every component or n values; the stopping test
    // on the largest change. Unset, they start from ones and stop below
    // 0.00001, and their report says nothing of it.
    std::vector<double> x0{};
    std::optional<double> tolerance{};
    // Whether the method runs in exact fractions (only a method whose row
    // has an exact procedure can).
    bool exact = false;
};

struct Context;

// What an iteration tells the analysis, when the run has one: the moment
// before its first sweep, and its end after the report.
class IterationObserver {
public:
    virtual ~IterationObserver() = default;
    virtual void beforeSweeps(Context& ctx) = 0;
    // Sweep k has ended with the maximum change e.
    virtual void sweep(std::int64_t k, double e) = 0;
    // The iterate x(1..n) that sweep just left, for an observer that draws
    // its path; most do not look.
    virtual void iterate(const double* /*x*/, int /*n*/) {}
    virtual void afterReport(Context& ctx) = 0;
};

struct Context {
    Workspace& ws;
    Host& host;
    std::string decimal = ".";  // the user's decimal symbol
    RunParameters params{};
    // The analysis of an iteration; none when the run has no analysis.
    IterationObserver* observer = nullptr;
    // The step-by-step view watching the run; none when no view is open.
    StepObserver* stepObserver = nullptr;
    // How far the running iteration has come: the sweeps it reported to
    // the host and the last one's maximum change. A run that ends by an
    // exception keeps them in its result.
    std::int64_t sweeps = 0;
    double lastChange = 0;

    // Every line reaches the host here. A line that is not an explanation
    // ends a group of explanations.
    void list(ResultLine line) {
        if (line.part != LinePart::Steps) explaining = false;
        host.listAppend(std::move(line));
    }
    void list(LinePart part, LineKind kind, std::string line, std::vector<CellSpan> cells = {}) {
        list(ResultLine(kind, part, std::move(line), std::move(cells)));
    }
    // A line of the method's own.
    void append(std::string line) { list(LinePart::Method, LineKind::Text, std::move(line)); }
    // A line with the catalogue's text.
    void append(PlainText key) { append(std::string(text(key))); }
    void blank() { list(LinePart::Method, LineKind::Blank, " "); }
    void heading(PlainText key) { list(LinePart::Method, LineKind::Heading, std::string(text(key))); }
    // A row of a matrix or of a table, with its cells.
    void appendRow(LineKind kind, std::string line, std::vector<CellSpan> cells) {
        list(LinePart::Method, kind, std::move(line), std::move(cells));
    }
    // An explained-steps line. The first of a group is set apart from the
    // lines above it (a matrix's rows, most often) by " " and a heading.
    void explain(std::string line) { explain(LineKind::Text, std::move(line)); }
    void explain(LineKind kind, std::string line, std::vector<CellSpan> cells = {}) {
        if (!explaining) {
            explaining = true;
            host.listAppend(ResultLine(LineKind::Blank, LinePart::Steps, " "));
            host.listAppend(ResultLine(LineKind::Heading, LinePart::Steps, std::string(text(Text::StepsHeading))));
        }
        list(LinePart::Steps, kind, std::move(line), std::move(cells));
    }
    bool explaining = false;  // the last line was an explanation
    // An exact run showed a fraction too long for the screen rounded, with
    // its mark: the run ends with the line that says what the mark means.
    mutable bool exactRounded = false;
    // A message box with the catalogue's text.
    void message(PlainText key) { host.message(std::string(text(key))); }
    // A remark on the run (see Host::remark).
    void remark(const std::string& text) { host.remark(text); }
    // One line of the catalogue's text printed into the picture box.
    void printToPicture(PlainText key) { host.picture().print(std::string(text(key))); }

    // The result of a run that ends now with `outcome`, with the
    // iteration's progress so far.
    RunResult ended(Outcome outcome) const { return {outcome, std::nullopt, sweeps, lastChange}; }
    RunResult solved() const { return ended(Outcome::Solved); }
    // Ends the run with the message box `why`.
    RunResult stop(Outcome outcome, PlainText why) {
        message(why);
        return ended(outcome);
    }
    // The same with a message of its own words (a template filled in).
    RunResult stop(Outcome outcome, const std::string& why) {
        host.message(why);
        return ended(outcome);
    }
    // Ends the run with a line printed into the picture box instead of a
    // message box, as the LU solver and the determinant do.
    RunResult stopInPicture(Outcome outcome, PlainText why) {
        printToPicture(why);
        return ended(outcome);
    }
    // Refuses a matrix the method does not apply to, saying why.
    RunResult refuse(PlainText why) {
        RunResult r = stop(Outcome::Refused, why);
        r.reason = why;
        return r;
    }
    // Refuses it with a message that says more than the reason (where).
    RunResult refuse(PlainText reason, const std::string& why) {
        RunResult r = stop(Outcome::Refused, why);
        r.reason = reason;
        return r;
    }
};

// Thrown by the output operations when a value about to be shown is not
// finite; the dispatcher ends the method with a message (Outcome::Overflow).
class NumberOverflow : public std::runtime_error {
public:
    NumberOverflow() : std::runtime_error("number overflow") {}
};

// Thrown by a method when a number it must keep, list or go on computing
// with has lost its digits below the smallest normal double; the
// dispatcher ends the method with a message (Outcome::Underflow).
class NumberUnderflow : public std::runtime_error {
public:
    NumberUnderflow() : std::runtime_error("number underflow") {}
};

// Throws NumberOverflow unless v is finite.
inline void requireFinite(double v) {
    if (!std::isfinite(v)) throw NumberOverflow();
}

}  // namespace lineer
