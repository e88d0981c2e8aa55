#include "compare.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "measures.h"
#include "truth.h"
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
    // The multiplications and divisions the run did; none for a run that
    // ended early.
    std::optional<long long> operations;
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

// What a run of `method` that reached its end counted; none for a method
// whose count the table does not know.
std::optional<long long> operationsOf(const MethodRow& method, const Workspace& loaded, std::int64_t sweeps) {
    if (method.counted) return analysis::operationCount(*method.counted, loaded.n, loaded.m).total();
    if (method.analysed.iteration) return analysis::sweepCount(*method.analysed.iteration, loaded.n).total() * sweeps;
    return std::nullopt;
}

// `singular`: the loaded matrix is singular or singular to working
// precision, so that no run has solved the system, whatever it printed.
Row runOne(Context& ctx, const Workspace& loaded, Option option, std::string name, const RunParameters& params,
           bool singular) {
    Row row;
    row.name = std::move(name);
    auto ws = std::make_unique<Workspace>(loaded);
    QuietHost host(ctx.host);
    Context run{*ws, host, ctx.decimal, params};
    run.params.steps = false;
    run.params.analysis = false;
    const RunResult result = runMethod(run, option);

    const MethodRow& method = methodRow(option);
    const int n = loaded.n;
    const bool early = !ranToItsEnd(result.outcome) && result.outcome != Outcome::Stopped;
    // An iteration that ended with a message before its first sweep shows
    // no count.
    if (method.usesMaxIter && (!early || result.sweeps > 0)) row.sweeps = intText(result.sweeps);
    row.solved = result.outcome == Outcome::Solved && !singular;
    row.outcome = text(result.outcome == Outcome::Solved && singular ? Text::CompareSingular
                                                                      : outcomeWord(result.outcome));
    if (early) return row;
    row.operations = operationsOf(method, loaded, result.sweeps);
    for (int i = 1; i <= n; ++i)
        row.x.push_back(method.analysed.direct == analysis::Direct::GaussJordan ? ws->A(i, loaded.m) : ws->x(i));
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

// Runs the methods of one table (the textbook methods' or the program's),
// in the order of the rows; notes whether Thomas was left out.
std::vector<Row> runTable(Context& ctx, const Workspace& loaded, const RunParameters& params, bool textbook,
                          bool singular, const std::string& wShown, bool& skippedNotTridiagonal) {
    std::vector<Row> rows;
    for (const MethodRow& method : kMethods) {
        if (!method.compared.runs || method.compared.textbook != textbook) continue;
        if (!meets(method.needs, loaded)) {
            skippedNotTridiagonal = skippedNotTridiagonal || has(method.needs, Need::Tridiagonal);
            continue;
        }
        const Option option = optionOf(method);
        const std::string name =
            method.compared.atW ? format(*method.compared.atW, wShown) : std::string(text(method.help));
        rows.push_back(runOne(ctx, loaded, option, name, params, singular));
        if (!method.compared.atBestW || !method.analysed.iteration) continue;
        if (const auto best = analysis::optimalW(loaded.A, loaded.n, *method.analysed.iteration)) {
            // The row runs with the factor it shows.
            RunParameters atBest = params;
            atBest.wText = formatSignificant(best->w, best->classical ? 4 : 3, ctx.decimal);
            rows.push_back(
                runOne(ctx, loaded, option, format(*method.compared.atBestW, atBest.wText), atBest, singular));
        }
    }
    return rows;
}

// " ", then the table: its head and one row per run, the differences from
// the reference's roots.
void writeTable(Context& ctx, const std::vector<Row>& rows, const Row* reference) {
    const auto say = [&](LineKind kind, std::string line, std::vector<CellSpan> cells = {}) {
        ctx.list(LinePart::Comparison, kind, std::move(line), std::move(cells));
    };
    const std::string dash = "\u2013";
    std::vector<std::vector<std::string>> cells;
    cells.push_back({std::string(text(Text::CompareMethod)), std::string(text(Text::CompareOutcome)),
                     std::string(text(Text::CompareSweeps)), std::string(text(Text::CompareResidual)),
                     std::string(text(Text::CompareDifference)), std::string(text(Text::CompareOperations))});
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
                         r.operations ? intText(*r.operations) : dash});
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
}

}  // namespace

void compareMethods(Context& ctx, const Workspace& loaded, const RunParameters& params) {
    const int n = loaded.n;
    const auto say = [&](LineKind kind, std::string line) { ctx.list(LinePart::Comparison, kind, std::move(line)); };
    say(LineKind::Blank, " ");
    say(LineKind::Heading, std::string(text(Text::CompareHeading)));
    if (n < 1 || loaded.m != n + 1) {
        say(LineKind::Text, std::string(text(Text::CompareNeedsSystem)));
        return;
    }
    RunParameters boxes = params;
    readBoxes(boxes, ctx.decimal);
    // A factor that is not a number is named as it was typed.
    const std::string wShown = std::isfinite(boxes.w) ? formatSignificant(boxes.w, 4, ctx.decimal) : params.wText;

    const bool singular = analysis::matrixTruth(loaded).singular;
    bool skippedNotTridiagonal = false;
    const std::vector<Row> rows = runTable(ctx, loaded, params, false, singular, wShown, skippedNotTridiagonal);
    const Row* reference = nullptr;
    for (const Row& r : rows)
        if (r.solved && r.residual && (!reference || r.residual->relative < reference->residual->relative))
            reference = &r;
    writeTable(ctx, rows, reference);
    say(LineKind::Blank, " ");
    if (reference)
        say(LineKind::Text, format(Text::CompareReference, reference->name));
    else
        say(LineKind::Text, std::string(text(Text::CompareNoReference)));
    if (skippedNotTridiagonal) say(LineKind::Text, std::string(text(Text::CompareThomasSkipped)));

    const std::vector<Row> textbook = runTable(ctx, loaded, params, true, singular, wShown, skippedNotTridiagonal);
    if (textbook.empty()) return;
    say(LineKind::Blank, " ");
    say(LineKind::Heading, std::string(text(Text::CompareCourseHeading)));
    writeTable(ctx, textbook, reference);
}

}  // namespace lineer
