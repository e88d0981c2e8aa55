#include "session.h"

#include <memory>

#include "analysis.h"
#include "compare.h"

#include "listing.h"
#include "loader.h"
#include "colourmap.h"

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

namespace {

// What the analysis of an option looks at: a direct method's result, or an
// iteration's matrix.
struct Analysed {
    std::optional<analysis::Direct> direct;
    std::optional<analysis::Iteration> iteration;
};

Analysed analysed(Option option) {
    using analysis::Direct;
    using analysis::Iteration;
    switch (option) {
        case Option::DetGauss: return {Direct::Determinant, {}};
        case Option::InvScrobanski: return {Direct::Inverse, {}};
        case Option::LesGaussJordan: return {Direct::GaussJordan, {}};
        case Option::LesThomas: return {Direct::Thomas, {}};
        case Option::LesJacobi: return {{}, Iteration::Jacobi};
        case Option::LesGaussSidel: return {{}, Iteration::GaussSeidel};
        case Option::LesSOR: return {{}, Iteration::Sor};
        case Option::LesSORTextbook: return {{}, Iteration::SorTextbook};
        default: return {Direct::Solver, {}};
    }
}

// Runs the method; whether it reached its end.
bool runProcedure(Context& ctx, Option option) {
    const int stops = ctx.stops;
    try {
        methodRow(option).run(ctx);
    } catch (const NumberOverflow&) {
        ctx.message(Text::OverflowMessage);
    } catch (const NumberUnderflow&) {
        ctx.message(Text::UnderflowMessage);
    }
    return ctx.stops == stops;
}

}  // namespace

void runMethod(Context& ctx, Option option) {
    if (!ctx.params.analysis) {
        runProcedure(ctx, option);
        return;
    }
    // The analysis reads the matrix the method is given, not what the
    // method leaves.
    const auto loaded = std::make_unique<Workspace>(ctx.ws);
    const Analysed what = analysed(option);
    std::optional<analysis::IterationAnalysis> observer;
    if (what.iteration) observer.emplace(*loaded, *what.iteration);
    struct Observing {
        Context& ctx;
        ~Observing() { ctx.observer = nullptr; }
    } observing{ctx};
    ctx.observer = observer ? &*observer : nullptr;
    const bool finished = runProcedure(ctx, option);
    if (finished && what.direct) analysis::appendDirect(ctx, *what.direct, *loaded);
}

void Session::hesapla(const RunRequest& request) {
    if (!loaded_) {
        ctx_.message(Text::NoFileMessage);
        return;
    }
    if (!request.option) {
        ctx_.message(Text::NoMethodMessage);
        return;
    }
    ctx_.params = request.params;
    runMethod(ctx_, *request.option);
    methodRun_ = methodRow(*request.option).caption.now();
    loaded_ = false;
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
