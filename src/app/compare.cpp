#include "compare.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "measures.h"
#include "methodtable.h"
#include "numformat.h"
#include "session.h"

namespace lineer {

namespace {

// The host of one run: the lines, the messages and the picture go nowhere,
// and the question whether to go on goes to the real host (the window's
// "İptal", an interrupt on the command line).
class QuietHost : public Host {
public:
    explicit QuietHost(Host& outer) : outer_(outer) {}

    void listAppend(ResultLine) override {}
    void listClear() override {}
    PictureSurface& picture() override { return picture_; }
    void message(const std::string&) override {}
    void note(const std::string&) override {}
    bool keepIterating(std::int64_t k, double e) override { return outer_.keepIterating(k, e); }

private:
    Host& outer_;
    NoPicture picture_;
};

struct Row {
    std::string name;
    std::string outcome;
    std::string sweeps;  // empty for a direct method
    std::optional<analysis::Residual> residual;
    std::vector<double> x;  // x(1..n) at [0..n-1]; empty without a result
    bool solved = false;
    long long micros = 0;
};

// The outcome column's word for how a run ended.
PlainText outcomeWord(Outcome o) {
    switch (o) {
        case Outcome::Solved: return Text::CompareSolved;
        case Outcome::ZeroPivot: return Text::CompareZeroPivot;
        case Outcome::Overflow:
        case Outcome::Diverging: return Text::CompareOverflow;
        case Outcome::Underflow: return Text::CompareUnderflow;
        case Outcome::Stopped: return Text::CompareStopped;
        case Outcome::NotConverged: return Text::CompareNotConverged;
        case Outcome::Refused: break;
    }
    return Text::CompareRefused;
}

Row runOne(Context& ctx, const Workspace& loaded, Option option, std::string name, const RunParameters& params) {
    Row row;
    row.name = std::move(name);
    auto ws = std::make_unique<Workspace>(loaded);
    QuietHost host(ctx.host);
    Context run{*ws, host, ctx.decimal, params};
    run.params.steps = false;
    run.params.analysis = false;
    const auto start = std::chrono::steady_clock::now();
    const RunResult result = runMethod(run, option);
    row.micros = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();

    const MethodRow& method = methodRow(option);
    const int n = loaded.n;
    const bool early = !ranToItsEnd(result.outcome) && result.outcome != Outcome::Stopped;
    // An iteration that ended with a message before its first sweep shows
    // no count.
    if (method.usesMaxIter && (!early || result.sweeps > 0)) row.sweeps = intText(result.sweeps);
    row.outcome = text(outcomeWord(result.outcome));
    if (early) return row;
    for (int i = 1; i <= n; ++i)
        row.x.push_back(method.analysed.direct == analysis::Direct::GaussJordan ? ws->A(i, loaded.m) : ws->x(i));
    row.solved = result.outcome == Outcome::Solved;
    double x[kDim] = {};
    for (int i = 1; i <= n; ++i) x[i] = row.x[static_cast<std::size_t>(i - 1)];
    row.residual = analysis::residual(loaded.A, n, loaded.m, x);
    if (!row.residual) row.x.clear();
    return row;
}

// The width of a text on screen: its code points.
std::size_t width(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string padded(std::string s, std::size_t to) {
    const std::size_t w = width(s);
    if (w < to) s.append(to - w, ' ');
    return s;
}

// The rows of the table: every method the method table marks for the
// comparison whose needs the system meets, in the table's order.
std::vector<Row> runRows(Context& ctx, const Workspace& loaded, const RunParameters& params,
                         bool& skippedNotTridiagonal) {
    const int n = loaded.n;
    RunParameters boxes = params;
    readBoxes(boxes, ctx.decimal);
    // A factor that is not a number is named as it was typed.
    const std::string wShown = std::isfinite(boxes.w) ? formatSignificant(boxes.w, 4, ctx.decimal) : params.wText;

    std::vector<Row> rows;
    for (const MethodRow& method : kMethods) {
        if (!method.compared.runs) continue;
        if (!meets(method.needs, loaded)) {
            skippedNotTridiagonal = skippedNotTridiagonal || has(method.needs, Need::Tridiagonal);
            continue;
        }
        const Option option = optionOf(method);
        const std::string name =
            method.compared.atW ? format(*method.compared.atW, wShown) : std::string(text(method.help));
        rows.push_back(runOne(ctx, loaded, option, name, params));
        if (!method.compared.atBestW || !method.analysed.iteration) continue;
        if (const auto best = analysis::optimalW(loaded.A, n, *method.analysed.iteration)) {
            // The row runs with the factor it shows.
            RunParameters atBest = params;
            atBest.wText = formatSignificant(best->w, best->classical ? 4 : 3, ctx.decimal);
            rows.push_back(runOne(ctx, loaded, option, format(*method.compared.atBestW, atBest.wText), atBest));
        }
    }
    return rows;
}

}  // namespace

void compareMethods(Context& ctx, const Workspace& loaded, const RunParameters& params) {
    const int n = loaded.n;
    const auto say = [&](LineKind kind, std::string line, std::vector<CellSpan> cells = {}) {
        ctx.list(LinePart::Comparison, kind, std::move(line), std::move(cells));
    };
    say(LineKind::Blank, " ");
    say(LineKind::Heading, std::string(text(Text::CompareHeading)));
    if (n < 1 || loaded.m != n + 1) {
        say(LineKind::Text, std::string(text(Text::CompareNeedsSystem)));
        return;
    }
    bool skippedNotTridiagonal = false;
    const std::vector<Row> rows = runRows(ctx, loaded, params, skippedNotTridiagonal);

    const Row* reference = nullptr;
    for (const Row& r : rows)
        if (r.solved && r.residual && (!reference || r.residual->relative < reference->residual->relative))
            reference = &r;

    const std::string dash = "\u2013";
    std::vector<std::vector<std::string>> cells;
    cells.push_back({std::string(text(Text::CompareMethod)), std::string(text(Text::CompareOutcome)),
                     std::string(text(Text::CompareSweeps)), std::string(text(Text::CompareResidual)),
                     std::string(text(Text::CompareDifference)), std::string(text(Text::CompareTime))});
    for (const Row& r : rows) {
        std::string difference = dash;
        if (reference && !r.x.empty()) {
            double largest = 0;
            for (std::size_t i = 0; i < r.x.size(); ++i)
                largest = std::max(largest, std::fabs(r.x[i] - reference->x[i]));
            if (std::isfinite(largest)) difference = formatSignificant(largest, 3, ctx.decimal);
        }
        cells.push_back({r.name, r.outcome, r.sweeps.empty() ? dash : r.sweeps,
                         r.residual ? formatSignificant(r.residual->relative, 3, ctx.decimal) : dash, difference,
                         intText(r.micros)});
    }
    std::vector<std::size_t> widths(cells[0].size(), 0);
    for (const auto& c : cells)
        for (std::size_t k = 0; k < c.size(); ++k) widths[k] = std::max(widths[k], width(c[k]));
    say(LineKind::Blank, " ");
    for (const auto& c : cells) {
        std::string s;
        std::vector<CellSpan> spans;
        for (std::size_t k = 0; k < c.size(); ++k) {
            const auto begin = static_cast<std::uint32_t>(s.size());
            spans.push_back({begin, begin + static_cast<std::uint32_t>(c[k].size())});
            s += k + 1 < c.size() ? padded(c[k], widths[k] + 3) : c[k];
        }
        say(&c == &cells.front() ? LineKind::TableHead : LineKind::TableRow, std::move(s), std::move(spans));
    }
    say(LineKind::Blank, " ");
    if (reference)
        say(LineKind::Text, format(Text::CompareReference, reference->name));
    else
        say(LineKind::Text, std::string(text(Text::CompareNoReference)));
    if (skippedNotTridiagonal) say(LineKind::Text, std::string(text(Text::CompareThomasSkipped)));
}

}  // namespace lineer
