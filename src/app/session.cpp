#include "session.h"

#include <memory>

#include "analysis.h"
#include "iteration.h"
#include "remarks.h"
#include "compare.h"

#include "listing.h"
#include "loader.h"
#include "colourmap.h"
#include "textnum.h"

namespace lineer {

Session::Session(Host& host, std::string decimal) : host_(host), ctx_{ws_, host, std::move(decimal)} {}

bool Session::loadFile(const std::string& path) {
    loaded_ = false;
    LoadResult r = loadCoefficientFile(path, ws_);
    if (!r.ok) {
        host_.message(r.message);
        return false;
    }
    host_.listClear();
    ctx_.heading(Text::CoefficientsHeading);
    Listele(ctx_, ws_.m, ws_.n, ws_.A);
    asLoaded_ = ws_;
    loaded_ = true;
    haveFile_ = true;
    loadedPath_ = path;
    methodRun_.clear();
    return true;
}

void readBoxes(RunParameters& params, std::string_view decimal) {
    params.maxIter = boxNumber(params.maxIterText, decimal);
    params.w = boxNumber(params.wText, decimal);
}

namespace {

// Runs the procedure: how it ended, also when it ended by an exception.
RunResult runProcedure(Context& ctx, Option option) {
    const MethodRow& method = methodRow(option);
    try {
        return (ctx.params.exact && method.runExact ? method.runExact : method.run)(ctx);
    } catch (const NumberOverflow&) {
        return ctx.stop(Outcome::Overflow, Text::OverflowMessage);
    } catch (const NumberUnderflow&) {
        return ctx.stop(Outcome::Underflow, Text::UnderflowMessage);
    } catch (const StopRun&) {
        return ctx.ended(Outcome::Stopped);
    }
}

}  // namespace

namespace {

// Keeps an iteration's changes for its remarks, and passes every event on
// to the analysis when the run has one.
class SweepRecorder : public IterationObserver {
public:
    explicit SweepRecorder(IterationObserver* analysis) : analysis_(analysis) {}
    void beforeSweeps(Context& ctx) override {
        if (analysis_) analysis_->beforeSweeps(ctx);
    }
    void sweep(std::int64_t k, double e) override {
        history.add(k, e);
        if (analysis_) analysis_->sweep(k, e);
    }
    void afterReport(Context& ctx) override {
        if (analysis_) analysis_->afterReport(ctx);
    }
    analysis::SweepHistory history;

private:
    IterationObserver* analysis_;
};

// What is true of the run whatever its lines show, from the matrix as the
// method was given it. Nothing for a run the user stopped or the method
// refused, whose lines claim nothing.
void remarkOn(Context& ctx, const MethodRow& method, const RunResult& result, const Workspace& loaded,
              const SweepRecorder& sweeps) {
    const Outcome o = result.outcome;
    if (o == Outcome::Refused || o == Outcome::Stopped) return;
    std::vector<std::string> remarks;
    if (method.remarked) {
        const bool zeroPivot = o == Outcome::ZeroPivot;
        const analysis::MatrixTruth truth = analysis::matrixTruth(loaded);
        remarks = analysis::directRemarks(truth, *method.remarked, zeroPivot, o == Outcome::Solved);
        if (remarks.empty() && result.determinant)
            remarks = analysis::determinantRemarks(analysis::determinantTruth(*result.determinant), ctx.decimal,
                                                   analysis::trustedDigits(truth));
    } else if (method.analysed.iteration && ranToItsEnd(o)) {
        const auto kind = *method.analysed.iteration;
        const bool relaxes = kind == analysis::Iteration::Sor || kind == analysis::Iteration::SorTextbook;
        const auto truth = analysis::iterationTruth(loaded, kind, relaxes ? ctx.params.w : 1, sweeps.history,
                                                    kTolerance, ctx.ws.x.v, false);
        remarks = analysis::iterationRemarks(truth, kTolerance, ctx.decimal);
    }
    for (const std::string& r : remarks) ctx.remark(r);
}

}  // namespace

RunResult runMethod(Context& ctx, Option option) {
    readBoxes(ctx.params, ctx.decimal);
    ctx.sweeps = 0;
    ctx.lastChange = 0;
    // The analysis and the remarks read the matrix the method is given,
    // not what the method leaves.
    const auto loaded = std::make_unique<Workspace>(ctx.ws);
    const MethodRow& method = methodRow(option);
    const Analysed& what = method.analysed;
    std::optional<analysis::IterationAnalysis> analysis;
    if (ctx.params.analysis && what.iteration) analysis.emplace(*loaded, *what.iteration);
    SweepRecorder recorder(analysis ? &*analysis : nullptr);
    struct Observing {
        Context& ctx;
        ~Observing() { ctx.observer = nullptr; }
    } observing{ctx};
    ctx.observer = &recorder;
    const RunResult result = runProcedure(ctx, option);
    // The analysis and the remarks judge what doubles make of the matrix:
    // an exact run has no rounding to judge, and says itself what a
    // singular system is.
    if (ctx.params.exact && method.runExact) return result;
    if (ctx.params.analysis && result.outcome == Outcome::Solved && what.direct)
        analysis::appendDirect(ctx, *what.direct, *loaded);
    remarkOn(ctx, method, result, *loaded, recorder);
    return result;
}

std::optional<RunResult> Session::hesapla(const RunRequest& request) {
    if (!loaded_) {
        ctx_.message(Text::NoFileMessage);
        return std::nullopt;
    }
    if (!request.option) {
        ctx_.message(Text::NoMethodMessage);
        return std::nullopt;
    }
    ctx_.params = request.params;
    struct Watching {
        Context& ctx;
        ~Watching() { ctx.stepObserver = nullptr; }
    } watching{ctx_};
    ctx_.stepObserver = watcher_;
    if (watcher_) watcher_->runBegins();
    const RunResult result = runMethod(ctx_, *request.option);
    if (watcher_) watcher_->runEnded();
    methodRun_ = std::string(text(methodRow(*request.option).caption));
    loaded_ = false;
    return result;
}

void Session::compare(const RunRequest& request) {
    if (!haveFile_) {
        ctx_.message(Text::NoFileMessage);
        return;
    }
    compareMethods(ctx_, asLoaded_, request.params);
}

void Session::listeleButton() {
    host_.picture().clear();
    ctx_.printToPicture(Text::CoefficientsHeading);
    try {
        Listele(ctx_, ws_.m, ws_.n, ws_.A);
    } catch (const NumberOverflow&) {
        ctx_.message(Text::OverflowMessage);
    }
}

void Session::resimle() { lineer::resimle(ctx_); }

}  // namespace lineer
