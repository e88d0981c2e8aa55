#include "runs.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "iteration.h"
#include "numformat.h"
#include "session.h"
#include "truth.h"

namespace lineer::plots {

namespace {

// A host whose lines and pictures nobody sees; it keeps the first message.
class QuietHost : public Host {
public:
    std::string message_;
    NoPicture none;
    void listAppend(ResultLine) override {}
    void listClear() override {}
    PictureSurface& picture() override { return none; }
    void message(const std::string& text) override {
        if (message_.empty()) message_ = text;
    }
};

class Recorder : public IterationObserver {
public:
    Recorder(Sweeps& out, const std::vector<double>* reference, bool keep)
        : out_(out), reference_(reference), keep_(keep) {}
    void beforeSweeps(Context& ctx) override {
        if (!keep_) return;
        // The start vector, as the loop fills it.
        std::vector<double> x(static_cast<std::size_t>(ctx.ws.n) + 1, 0.0);
        if (startVector(ctx, x.data())) out_.iterates.push_back(std::move(x));
    }
    void sweep(std::int64_t, double e) override { out_.changes.push_back(e); }
    void iterate(const double* x, int n) override {
        if (reference_) {
            double err = 0;
            for (int i = 1; i <= n; ++i) err = std::max(err, std::fabs(x[i] - (*reference_)[static_cast<std::size_t>(i)]));
            out_.errors.push_back(err);
        }
        if (keep_) out_.iterates.emplace_back(x, x + n + 1);
    }
    void afterReport(Context&) override {}

private:
    Sweeps& out_;
    const std::vector<double>* reference_;
    bool keep_;
};

}  // namespace

Sweeps runSweeps(const Workspace& loaded, RunParameters params, Option method, const std::string& decimal,
                 std::optional<double> w, const std::vector<double>* reference, bool keepIterates) {
    Sweeps out;
    QuietHost host;
    const auto ws = std::make_unique<Workspace>(loaded);
    params.steps = false;
    params.analysis = false;
    Context ctx{*ws, host, decimal, params};
    readBoxes(ctx.params, decimal);
    if (w) ctx.params.w = *w;
    Recorder recorder(out, reference, keepIterates);
    ctx.observer = &recorder;
    try {
        out.result = methodRow(method).run(ctx);
    } catch (const NumberOverflow&) {
        out.result = ctx.ended(Outcome::Overflow);
    } catch (const NumberUnderflow&) {
        out.result = ctx.ended(Outcome::Underflow);
    }
    // A sweep whose values stopped being finite reached no observer.
    out.message = host.message_;
    return out;
}

std::optional<std::vector<double>> directSolution(const Workspace& loaded, const std::string& decimal) {
    const analysis::MatrixTruth truth = analysis::matrixTruth(loaded);
    if (!truth.system || truth.singular || truth.solutions != analysis::Solutions::Unique) return std::nullopt;
    QuietHost host;
    const auto ws = std::make_unique<Workspace>(loaded);
    Context ctx{*ws, host, decimal};
    const RunResult r = runMethod(ctx, Option::LesGaussPivot);
    if (r.outcome != Outcome::Solved) return std::nullopt;
    std::vector<double> x(static_cast<std::size_t>(loaded.n) + 1, 0.0);
    for (int i = 1; i <= loaded.n; ++i) {
        x[static_cast<std::size_t>(i)] = ws->x(i);
        if (!std::isfinite(ws->x(i))) return std::nullopt;
    }
    return x;
}

std::string omegaText(const RunParameters& read, const std::string& decimal) {
    return std::isfinite(read.w) ? formatSignificant(read.w, 6, decimal) : read.wText;
}

std::string caption(Option method) {
    std::string c(text(methodRow(method).caption));
    while (!c.empty() && c.back() == ' ') c.pop_back();
    while (!c.empty() && c.front() == ' ') c.erase(c.begin());
    return c;
}

}  // namespace lineer::plots
