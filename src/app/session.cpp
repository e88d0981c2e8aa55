#include "session.h"

#include <memory>

#include "analysis.h"
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
    try {
        return methodRow(option).run(ctx);
    } catch (const NumberOverflow&) {
        return ctx.stop(Outcome::Overflow, Text::OverflowMessage);
    } catch (const NumberUnderflow&) {
        return ctx.stop(Outcome::Underflow, Text::UnderflowMessage);
    } catch (const StopRun&) {
        return ctx.ended(Outcome::Stopped);
    }
}

}  // namespace

RunResult runMethod(Context& ctx, Option option) {
    readBoxes(ctx.params, ctx.decimal);
    ctx.sweeps = 0;
    ctx.lastChange = 0;
    if (!ctx.params.analysis) return runProcedure(ctx, option);
    // The analysis reads the matrix the method is given, not what the
    // method leaves.
    const auto loaded = std::make_unique<Workspace>(ctx.ws);
    const Analysed& what = methodRow(option).analysed;
    std::optional<analysis::IterationAnalysis> observer;
    if (what.iteration) observer.emplace(*loaded, *what.iteration);
    struct Observing {
        Context& ctx;
        ~Observing() { ctx.observer = nullptr; }
    } observing{ctx};
    ctx.observer = observer ? &*observer : nullptr;
    const RunResult result = runProcedure(ctx, option);
    if (result.outcome == Outcome::Solved && what.direct) analysis::appendDirect(ctx, *what.direct, *loaded);
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
    const RunResult result = runMethod(ctx_, *request.option);
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
