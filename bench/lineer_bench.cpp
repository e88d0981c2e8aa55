// Speed of the numeric core at the largest sizes the workspace holds: the
// number format, the listing, every method's whole transcript, single
// sweeps of the iterative methods, reading numbers, and the file load.
//
// The workspace holds columns 1..100, so the largest system is 99 equations
// with 100 columns (buyuk-99.txt) and the largest matrix 100 x 100
// (buyuk-100.txt).

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "directsolvers.h"
#include "iteration.h"
#include "listing.h"
#include "loader.h"
#include "numformat.h"
#include "numparse.h"
#include "session.h"

namespace lineer {
namespace {

const std::string kBig100 = LINEER_EXAMPLES "/buyuk-100.txt";
const std::string kBig99 = LINEER_EXAMPLES "/buyuk-99.txt";

// Throws every line away (counts them, so the work cannot be skipped).
class NullHost : public Host {
public:
    std::size_t lines = 0, bytes = 0;
    NoPicture surface;

    void listAppend(ResultLine line) override {
        ++lines;
        bytes += line.text.size();
    }
    void listClear() override {}
    PictureSurface& picture() override { return surface; }
    void message(const std::string&) override {}
};

// Keeps every line, as the command line and the results list do.
class VectorHost : public NullHost {
public:
    std::vector<ResultLine> kept;
    void listAppend(ResultLine line) override { kept.push_back(std::move(line)); }
    void listClear() override { kept.clear(); }
};

const Workspace& loaded(const std::string& path) {
    static std::vector<std::pair<std::string, Workspace*>> cache;
    for (auto& [p, w] : cache)
        if (p == path) return *w;
    auto* ws = new Workspace;
    LoadResult r = loadCoefficientFile(path, *ws);
    if (!r.ok) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), r.message.c_str());
        std::exit(1);
    }
    cache.emplace_back(path, ws);
    return *ws;
}

// --- Number format ---------------------------------------------------------

std::vector<double> formatSample(int kind) {
    std::mt19937_64 rng(7);
    std::vector<double> v(1 << 16);
    if (kind == 0) {
        // What listings hold: the whole numbers of the 100 x 100 file and
        // the fractions of the 99 x 100 system after Gauss elimination.
        v.clear();
        Workspace ws = loaded(kBig100);
        for (int i = 1; i <= ws.n; ++i)
            for (int j = 1; j <= ws.m; ++j) v.push_back(ws.A(i, j));
        ws = loaded(kBig99);
        NullHost host;
        Context ctx{ws, host};
        Module_LesGauss(ctx);
        for (int i = 1; i <= ws.n; ++i)
            for (int j = 1; j <= ws.m; ++j)
                if (ws.A(i, j) != 0) v.push_back(ws.A(i, j));
        return v;
    }
    if (kind == 1) {
        std::uniform_real_distribution<double> d(-1000, 1000);
        for (auto& x : v) x = d(rng);
    } else {
        std::uniform_real_distribution<double> mant(-1, 1);
        std::uniform_int_distribution<int> ex(-6, 8);
        for (auto& x : v) x = mant(rng) * std::pow(10.0, ex(rng));
    }
    return v;
}

void BM_NumberFormat(benchmark::State& state) {
    const std::vector<double> values = formatSample(static_cast<int>(state.range(0)));
    std::string out;
    out.reserve(values.size() * 32);
    for (auto _ : state) {
        out.clear();
        for (double v : values) appendFixed4(out, v, ".");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}
BENCHMARK(BM_NumberFormat)->ArgName("sample")->Arg(0)->Arg(1)->Arg(2);
// sample 0: whole numbers of the file and the fractions of an elimination
// sample 1: uniform in [-1000, 1000]
// sample 2: magnitudes from 1e-6 to 1e8

// --- Listing ---------------------------------------------------------------

template <class H>
void BM_Listele100(benchmark::State& state) {
    Workspace ws = loaded(kBig100);
    H host;
    Context ctx{ws, host};
    for (auto _ : state) {
        Listele(ctx, ws.m, ws.n, ws.A);
        if constexpr (std::is_same_v<H, VectorHost>) host.kept.clear();
    }
    state.SetItemsProcessed(state.iterations() * ws.n * ws.m);
}
BENCHMARK(BM_Listele100<NullHost>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Listele100<VectorHost>)->Unit(benchmark::kMicrosecond);

// --- Whole transcripts -----------------------------------------------------

template <class H>
void transcript(benchmark::State& state, const std::string& file, Option option, bool steps = false,
                bool analysis = false) {
    const Workspace& base = loaded(file);
    Workspace ws;
    std::size_t lines = 0;
    for (auto _ : state) {
        ws = base;
        H host;
        Context ctx{ws, host};
        ctx.params.steps = steps;
        ctx.params.analysis = analysis;
        runMethod(ctx, option);
        if constexpr (std::is_same_v<H, VectorHost>) lines = host.kept.size();
        else lines = host.lines;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}

void BM_GaussJordan100(benchmark::State& state) { transcript<NullHost>(state, kBig100, Option::LesGaussJordan); }
void BM_GaussJordan100Kept(benchmark::State& state) {
    transcript<VectorHost>(state, kBig100, Option::LesGaussJordan);
}
BENCHMARK(BM_GaussJordan100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GaussJordan100Kept)->Unit(benchmark::kMillisecond);

// Every method on the diagonally dominant 99 x 100 system.
void BM_Method99(benchmark::State& state) {
    transcript<NullHost>(state, kBig99, static_cast<Option>(state.range(0)));
    state.SetLabel(kMethods[state.range(0)].cliName);
}
BENCHMARK(BM_Method99)->DenseRange(0, kOptionCount - 1)->Unit(benchmark::kMicrosecond);

// The same with the explained steps: the row operations, the formulas and
// the iterations' table.
void BM_Method99Steps(benchmark::State& state) {
    transcript<NullHost>(state, kBig99, static_cast<Option>(state.range(0)), true);
    state.SetLabel(kMethods[state.range(0)].cliName);
}
BENCHMARK(BM_Method99Steps)->DenseRange(0, kOptionCount - 1)->Unit(benchmark::kMicrosecond);

// The same with the analysis: residual and condition number after the
// direct methods, spectral radii and the best relaxation factors around the
// iterations (the textbook SOR's best ω is searched, an eigenvalue problem
// per trial), and the textbook SOR itself.
void BM_Method99Analysis(benchmark::State& state) {
    const auto option = static_cast<Option>(state.range(0));
    transcript<NullHost>(state, option == Option::DetGauss || option == Option::InvScrobanski ? kBig100 : kBig99,
                         option, false, true);
    state.SetLabel(methodRow(option).cliName);
}
BENCHMARK(BM_Method99Analysis)->DenseRange(0, kAllOptionCount - 1)->Unit(benchmark::kMillisecond);

// "Yöntemleri karşılaştır" on the 99 x 100 system.
void BM_Compare99(benchmark::State& state) {
    for (auto _ : state) {
        NullHost host;
        Session s(host);
        s.loadFile(kBig99);
        s.compare({});
    }
}
BENCHMARK(BM_Compare99)->Unit(benchmark::kMillisecond);

// Load from the file and the load listing, then the method, as the command
// line runs it.
void BM_SessionGaussJordan100(benchmark::State& state) {
    for (auto _ : state) {
        VectorHost host;
        Session s(host);
        s.loadFile(kBig100);
        s.hesapla({Option::LesGaussJordan, {}});
        benchmark::DoNotOptimize(host.kept.data());
    }
}
BENCHMARK(BM_SessionGaussJordan100)->Unit(benchmark::kMillisecond);

// --- Single sweeps -----------------------------------------------------------

template <int Kind>
void BM_Sweep(benchmark::State& state) {
    const Workspace& ws = loaded(state.range(0) == 99 ? kBig99 : kBig100);
    const int n = ws.n, m = ws.m;
    double x[kDim] = {}, p[kDim] = {};
    for (int i = 1; i <= n; ++i) p[i] = 1 + 1e-3 * i;
    const double w = 1.1, oneMinusW = 1 - w;
    for (auto _ : state) {
        if constexpr (Kind == 0) {
            jacobiSweep(ws.A, n, m, x, p);
        } else {
            std::memcpy(x + 1, p + 1, n * sizeof(double));
            gaussSeidelSweep(ws.A, n, m, x, p);
            if constexpr (Kind == 2)
                for (int i = 1; i <= n; ++i) x[i] = w * x[i] + oneMinusW * p[i];
        }
        benchmark::DoNotOptimize(x);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Sweep<0>)->Name("BM_JacobiSweep")->Arg(99)->Arg(100);
BENCHMARK(BM_Sweep<1>)->Name("BM_GaussSeidelSweep")->Arg(99)->Arg(100);
BENCHMARK(BM_Sweep<2>)->Name("BM_SorSweep")->Arg(99)->Arg(100);

// --- Reading numbers ---------------------------------------------------------

// The samples above written in their shortest texts, and in 17 significant
// digits (the texts a spreadsheet exports), read back.
void BM_ReadNumber(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int kind = 0; kind < 3; ++kind)
        for (double v : formatSample(kind)) {
            char buf[64];
            auto r = state.range(0) == 0 ? std::to_chars(buf, buf + sizeof buf, v)
                                         : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
            texts.emplace_back(buf, r.ptr);
        }
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& t : texts) sum += decimalToDouble(t);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}
BENCHMARK(BM_ReadNumber)->ArgName("digits17")->Arg(0)->Arg(1);

// --- Load ------------------------------------------------------------------

void BM_Load100(benchmark::State& state) {
    Workspace ws;
    for (auto _ : state) {
        LoadResult r = loadCoefficientFile(kBig100, ws);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_Load100)->Unit(benchmark::kMicrosecond);

}  // namespace
// The exact mode: Gauss in fractions on the 10 × 10 Hilbert system (its
// decimals read exactly) and on the 99 equations.
void BM_Exact(benchmark::State& state, const std::string& file, Option option) {
    const Workspace& base = loaded(file);
    Workspace ws;
    for (auto _ : state) {
        ws = base;
        NullHost host;
        Context ctx{ws, host};
        ctx.params.exact = true;
        benchmark::DoNotOptimize(runMethod(ctx, option).outcome);
    }
}
BENCHMARK_CAPTURE(BM_Exact, hilbert10_gauss, std::string(LINEER_EXAMPLES "/hilbert-10.txt"), Option::LesGauss)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Exact, hilbert10_det, std::string(LINEER_EXAMPLES "/hilbert-10.txt"), Option::DetGauss)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Exact, big99_gauss, kBig99, Option::LesGauss)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace lineer

BENCHMARK_MAIN();
