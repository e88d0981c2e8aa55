#include "cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "arguments.h"
#include "generate.h"
#include "interrupt.h"
#include "plots.h"
#include "loader.h"
#include "numformat.h"
#include "replacefile.h"
#include "session.h"
#include "texts.h"

namespace lineer::cli {

namespace {

// A larger picture is at least twice the picture box.
constexpr int kMinPictureWidth = 2 * kPictureBoxWidth;
constexpr int kMinPictureHeight = 2 * kPictureBoxHeight;

std::string minimumPictureSize() { return intText(kMinPictureWidth) + "x" + intText(kMinPictureHeight); }

// "WIDTHxHEIGHT", each at least the minimum and at most 20000.
bool readPictureSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size() || text.size() > 11) return false;
    auto whole = [](std::string_view digits, int& out) {
        if (digits.empty()) return false;
        long v = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') return false;
            v = v * 10 + (c - '0');
        }
        out = static_cast<int>(v);
        return v <= 20000;
    };
    return whole(std::string_view(text).substr(0, x), width) && whole(std::string_view(text).substr(x + 1), height) &&
           width >= kMinPictureWidth && height >= kMinPictureHeight;
}

// Only ASCII letters lower to "svg".
bool endsWithSvg(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return end == ".svg";
}

// The methods of rows from..to - 1, names in a column `width` wide, one
// line each.
std::string methodLines(std::size_t from, std::size_t to, std::size_t width) {
    std::string lines;
    for (std::size_t k = from; k < to; ++k) {
        const MethodRow& row = kMethods[k];
        std::string name = row.cliName;
        name.resize(std::max(name.size() + 1, width), ' ');
        lines += "  " + name + std::string(text(row.help)) + "\n";
    }
    return lines;
}

// The usage: the program's methods, then those textbooks add.
std::string helpText() {
    const auto textbook = static_cast<std::size_t>(Option::LesGaussPivot);
    return format(Text::CliHelp, methodLines(0, textbook, 14)) +
           format(Text::CliCourseHelp, methodLines(textbook, kMethods.size(), 16)) +
           format(Text::CliHandoutHelp, minimumPictureSize()) + std::string(text(Text::CliPlotHelp));
}

// Standard output is written in large blocks as lines arrive: a large
// transcript (tens of megabytes) then never has to be held in memory, which
// on a fresh process costs more than producing it.
class OutputBuffer {
public:
    OutputBuffer() { buf_.reserve(kBlock + 4096); }
    ~OutputBuffer() { flush(); }

    void line(const std::string& text) {
        buf_.append(text);
        buf_.push_back('\n');
        if (buf_.size() >= kBlock) flush();
    }
    // Drops what has not been written yet. The results list is cleared only
    // by a successful load, which comes before any line.
    void discard() { buf_.clear(); }
    void flush() {
        if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), stdout) != buf_.size()) failed_ = true;
        buf_.clear();
        if (std::fflush(stdout) != 0) failed_ = true;
    }
    // Whether some output could not be written (a full disk). A closed pipe
    // never gets here: the write raises SIGPIPE, which ends the process.
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
    static constexpr std::size_t kBlock = std::size_t(1) << 20;
    std::string buf_;
};

void toStderr(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// The picture box: every printed line goes to standard error like a
// message; the drawing reaches the picture file only when one is asked for.
class CliPicture : public PictureSurface {
public:
    PictureSurface* target = nullptr;

    void clear() override {
        if (target) target->clear();
    }
    void print(const std::string& text) override {
        toStderr(text);
        if (target) target->print(text);
    }
    void scale(double x1, double y1, double x2, double y2) override {
        if (target) target->scale(x1, y1, x2, y2);
    }
    void box(double x1, double y1, double x2, double y2, Rgb colour) override {
        if (target) target->box(x1, y1, x2, y2, colour);
    }
    void circle(float cx, float cy, double radius) override {
        if (target) target->circle(cx, cy, radius);
    }
    void colourMap(int rows, int cols, double deepest) override {
        if (target) target->colourMap(rows, cols, deepest);
    }
    void title(const std::string& text) override {
        if (target) target->title(text);
    }
};

class CliHost : public Host {
public:
    OutputBuffer out;
    CliPicture pictureBox;
    bool inIteration = false;  // an iteration has begun: it ends the run itself
    // The lines with their kinds, kept for the pages and the export.
    bool keep = false;
    std::vector<ResultLine> kept;
    std::vector<std::string> remarks;

    void listAppend(ResultLine line) override {
        holdOutput();
        // An explanation or an analysis line never ends the run: an
        // iteration writes its table row before it asks whether to go on.
        const bool explains = line.part == LinePart::Steps || line.part == LinePart::Analysis;
        if (!explains && !inIteration && stopRequested()) throw StopRun();
        out.line(line.text);
        if (keep) kept.push_back(std::move(line));
    }
    void listClear() override {
        out.discard();
        kept.clear();
    }
    PictureSurface& picture() override { return pictureBox; }
    void message(const std::string& text) override { toStderr(text); }
    // The remarks follow the transcript on standard error (tellRemarks);
    // the exit status is the outcome's.
    void remark(const std::string& text) override { remarks.push_back(text); }
    void tellRemarks() const {
        for (const std::string& r : remarks) toStderr(r);
    }
    // The kept lines, then the remarks, for the pages and the export.
    std::vector<ResultLine> handoutLines() {
        std::vector<ResultLine> lines = std::move(kept);
        for (const std::string& r : remarks) lines.emplace_back(LineKind::Remark, LinePart::Method, r);
        return lines;
    }
    // A stop ends the iteration after this sweep, as "İptal" does in the
    // window: the report and the line saying where it stopped are written.
    bool keepIterating(std::int64_t, double) override {
        inIteration = true;
        return !stopRequested();
    }
};

// Writes a page file or an export; false (having said why) when it could
// not be written.
bool writeDocument(const std::string& path, const std::string& bytes) {
    const std::string why = bytes.empty() ? std::string(text(Text::WhyNotEncoded)) : replaceFileContents(path, bytes);
    if (why.empty()) return true;
    toStderr(format(Text::CliExportNotSaved, shownPath(path), why));
    return false;
}

int outputFailed() {
    toStderr(text(Text::CliOutputFailed));
    return 2;
}

}  // namespace

int usage(std::string_view problem) {
    toStderr(format(Text::CliUsageError, problem));
    return 2;
}

namespace {

// What the arguments ask for.
struct Options {
    RunRequest request;
    std::string decimal;  // the user's decimal symbol
    std::string file, picture, pictureSize, pdf, exported;
    bool haveFile = false, draw = false, compare = false, exportBody = false;
    // --plot: drawn into the picture file instead of the picture box;
    // --log: the SOR picture's changes on a logarithmic axis.
    std::optional<plots::Kind> plot;
    bool logPlot = false;
};

// What reading an argument came to, besides an exit status (>= 0) that
// ends the run: the argument is another reader's, or the next one follows.
constexpr int kNotMine = -2;
constexpr int kGoOn = -1;

int printed(const char* text) {
    if (std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0) return outputFailed();
    return 0;
}

// The arguments without a value.
int readSwitch(std::string_view a, Options& o) {
    if (a == "--help" || a == "-h") return printed(helpText().c_str());
    if (a == "--version") return printed("lineer " LINEER_VERSION "\n");
    if (a == "--draw")
        o.draw = true;
    else if (a == "--steps")
        o.request.params.steps = true;
    else if (a == "--analysis")
        o.request.params.analysis = true;
    else if (a == "--exact")
        o.request.params.exact = true;
    else if (a == "--compare")
        o.compare = true;
    else if (a == "--export-body")
        o.exportBody = true;
    else if (a == "--log")
        o.logPlot = true;
    else
        return kNotMine;
    return kGoOn;
}

// --name VALUE or --name=VALUE: 1 when args[i] is the option (i then at
// its value), -1 when the value is missing, 0 for another argument.
int valueOf(const std::vector<std::string>& args, std::size_t& i, std::string_view name, std::string& out) {
    const std::string_view a = args[i];
    if (a == name) {
        if (i + 1 >= args.size()) return -1;
        out = args[++i];
        return 1;
    }
    if (a.size() > name.size() && a.substr(0, name.size()) == name && a[name.size()] == '=') {
        out = std::string(a.substr(name.size() + 1));
        return 1;
    }
    return 0;
}

// The usage error of a value its option does not take, or kGoOn.
int problemOrGoOn(const std::string& problem) { return problem.empty() ? kGoOn : usage(problem); }

// The options of the run, with their values.
int readRunOption(const std::vector<std::string>& args, std::size_t& i, RunRequest& request,
                  const std::string& decimal) {
    std::string v;
    int r;
    if ((r = valueOf(args, i, "--method", v)) != 0) {
        if (r < 0) return usage(text(Text::CliMethodNeedsName));
        request.option = optionNamed(v);
        if (!request.option) return usage(format(Text::CliUnknownMethod, shownPath(v)));
    } else if ((r = valueOf(args, i, "--max-iter", request.params.maxIterText)) != 0) {
        if (r < 0) return usage(format(Text::CliOptionNeedsText, "--max-iter"));
    } else if ((r = valueOf(args, i, "--w", request.params.wText)) != 0) {
        if (r < 0) return usage(format(Text::CliOptionNeedsText, "--w"));
    } else if ((r = valueOf(args, i, "--x0", v)) != 0) {
        if (r < 0) return usage(format(Text::CliOptionNeedsText, "--x0"));
        return problemOrGoOn(readStartVector(v, decimal, request.params.x0));
    } else if ((r = valueOf(args, i, "--tol", v)) != 0) {
        if (r < 0) return usage(format(Text::CliOptionNeedsText, "--tol"));
        return problemOrGoOn(readTolerance(v, decimal, request.params.tolerance));
    } else {
        return kNotMine;
    }
    return kGoOn;
}

// The options of the outputs, with their values.
int readOutputOption(const std::vector<std::string>& args, std::size_t& i, Options& o) {
    int r;
    if ((r = valueOf(args, i, "--picture", o.picture)) != 0) {
        if (r < 0 || o.picture.empty()) return usage(text(Text::CliPictureNeedsName));
    } else if (std::string kind; (r = valueOf(args, i, "--plot", kind)) != 0) {
        if (kind == "convergence")
            o.plot = plots::Kind::Convergence;
        else if (kind == "omega")
            o.plot = plots::Kind::Omega;
        else if (kind == "geometry")
            o.plot = plots::Kind::Geometry;
        else
            return usage(text(Text::CliUnknownPlot));
    } else if ((r = valueOf(args, i, "--picture-size", o.pictureSize)) != 0) {
        int w = 0, h = 0;
        if (r < 0 || !readPictureSize(o.pictureSize, w, h))
            return usage(format(Text::CliBadPictureSize, minimumPictureSize()));
    } else if ((r = valueOf(args, i, "--pdf", o.pdf)) != 0) {
        if (r < 0 || o.pdf.empty()) return usage(format(Text::CliOutputNeedsName, "--pdf"));
    } else if ((r = valueOf(args, i, "--export", o.exported)) != 0) {
        if (r < 0 || o.exported.empty()) return usage(format(Text::CliOutputNeedsName, "--export"));
        if (exporting::exportKind(o.exported) == exporting::ExportKind::None)
            return usage(text(Text::ExportUnknownType));
    } else {
        return kNotMine;
    }
    return kGoOn;
}

// "--", the file, or an option nobody knows.
int readFile(const std::vector<std::string>& args, std::size_t& i, Options& o) {
    const std::string_view a = args[i];
    if (a == "--") {
        if (i + 1 < args.size() && !o.haveFile) {
            o.file = args[++i];
            o.haveFile = true;
        }
        return kGoOn;
    }
    if (a.size() > 1 && a[0] == '-') return usage(format(Text::CliUnknownOption, shownPath(std::string(a))));
    if (o.haveFile) return usage(text(Text::CliOneFileOnly));
    o.file = std::string(a);
    o.haveFile = true;
    return kGoOn;
}

// Reads the arguments in order: kGoOn, or the status that ends the run
// (help, the version, the first usage error).
int parse(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        int r = readSwitch(args[i], o);
        if (r == kNotMine) r = readRunOption(args, i, o.request, o.decimal);
        if (r == kNotMine) r = readOutputOption(args, i, o);
        if (r == kNotMine) r = readFile(args, i, o);
        if (r != kGoOn) return r;
    }
    if (!o.haveFile) return usage(text(Text::CliNoFile));
    if (o.request.params.exact && o.request.option && !methodRow(*o.request.option).runExact) {
        const MethodRow& row = methodRow(*o.request.option);
        if (row.exact) return usage(format(Text::ExactNotYet, row.cliName));
        return usage(format(Text::ExactRefusedHere, row.cliName));
    }
    if (o.plot && o.picture.empty()) return usage(text(Text::CliPlotNeedsPicture));
    return kGoOn;
}

// The load, the comparison, the method and the picture, as the window's
// buttons do them; 2 when the file cannot be loaded, else kGoOn. `stopped`:
// the method ended early.
int calculate(Session& session, CliHost& host, const Options& o, bool& stopped, plots::Plot& plot) {
    try {
        if (!session.loadFile(o.file)) return 2;
        if (o.plot) {
            plots::Result made = plots::make(*o.plot, session.asLoaded(), o.request.params, o.request.option, o.compare,
                                             session.context().decimal);
            if (!made.problem.empty()) {
                host.out.flush();
                toStderr(made.problem);
                return 2;
            }
            plot = std::move(made.plot);
        }
        // The listing is out before a long run begins.
        host.out.flush();
        if (o.compare) session.compare(o.request);
        if (o.request.option) {
            const std::optional<RunResult> result = session.hesapla(o.request);
            stopped = result && !ranToItsEnd(result->outcome);
        }
        if (o.draw && !stopRequested()) session.resimle();
    } catch (const StopRun&) {
    }
    return kGoOn;
}

// A pipe or a device is written as it is, and opening a pipe waits for a
// reader that may never come: a signal then ends the process at once. A
// file is replaced whole, so a signal waits for that.
void beforeWriting(const std::string& path) {
    std::error_code ec;
    const std::u8string name(reinterpret_cast<const char8_t*>(path.data()), path.size());
    const auto type = std::filesystem::status(std::filesystem::path(name), ec).type();
    if (!ec && type != std::filesystem::file_type::regular && type != std::filesystem::file_type::directory &&
        type != std::filesystem::file_type::not_found)
        releaseOutput();
    else
        holdOutput();
}

// The picture file: kGoOn, or the status when it could not be saved.
int savePicture(Outputs& out, const Options& o, const plots::Plot& plot, const std::string& decimal) {
    const std::string& picture = o.picture;
    beforeWriting(picture);
    int width = 0, height = 0;
    const bool large = readPictureSize(o.pictureSize, width, height) || endsWithSvg(picture) || o.plot || o.logPlot;
    if (large && width == 0) {
        width = o.plot ? plots::kPlotWidth : exporting::kLargePictureWidth;
        height = o.plot ? plots::kPlotHeight : exporting::kLargePictureHeight;
    }
    const bool svg = endsWithSvg(picture);
    const std::string why = o.plot ? out.savePlot(picture, plot, width, height, svg)
                                   : out.savePicture(picture, large, width, height, svg, decimal, o.logPlot);
    if (!why.empty()) {
        toStderr(format(Text::CliPictureNotSaved, shownPath(picture), why));
        return 2;
    }
    return kGoOn;
}

// Writes a document made by `make`. While it is made nothing is written
// yet, so a signal ends the process at once and the old file stays; the
// file is then replaced whole, unless a signal asked for a stop before.
// kGoOn, or the status.
int writeMade(const std::string& path, const std::function<std::string()>& make) {
    releaseOutput();
    const std::string bytes = make();
    beforeWriting(path);
    if (stopRequested()) return 1;
    return writeDocument(path, bytes) ? kGoOn : 2;
}

// The pages and the export: kGoOn, or the status when one could not be
// written.
int writeHandout(CliHost& host, Outputs& out, const Options& o, const std::string& decimal) {
    const std::vector<ResultLine> lines = host.handoutLines();
    const auto make = [&](exporting::ExportKind kind, bool bodyOnly) {
        return [&, kind, bodyOnly] { return out.document(lines, o.file, o.request.option, kind, bodyOnly, decimal); };
    };
    if (!o.pdf.empty())
        if (const int r = writeMade(o.pdf, make(exporting::ExportKind::Pdf, false)); r != kGoOn) return r;
    if (!o.exported.empty())
        if (const int r = writeMade(o.exported, make(exporting::exportKind(o.exported), o.exportBody)); r != kGoOn)
            return r;
    return kGoOn;
}

}  // namespace

int run(const std::vector<std::string>& args, Outputs& out) {
    const std::string systemDecimal = out.decimalSymbol();
    if (const auto status = generateIfAsked(args, systemDecimal)) return *status;
    installInterruptHandlers();
    Options o;
    o.decimal = systemDecimal;
    if (const int r = parse(args, o); r != kGoOn) return r;
    if (!out.makesFiles())
        for (const auto& [option, value] : {std::pair{"--picture", &o.picture}, {"--pdf", &o.pdf}, {"--export", &o.exported}})
            if (!value->empty()) return usage(format(Text::CliNoFilesHere, option));

    CliHost host;
    const bool handout = !o.pdf.empty() || !o.exported.empty();
    if (!o.picture.empty() || o.draw || handout) host.pictureBox.target = out.surface();
    host.keep = handout;

    Session session(host, systemDecimal);
    bool stopped = false;
    plots::Plot plot;
    if (const int r = calculate(session, host, o, stopped, plot); r != kGoOn) return r;
    host.out.flush();
    host.tellRemarks();
    if (host.out.failed()) return outputFailed();
    if (stopRequested()) return 1;
    const std::string& decimal = session.context().decimal;
    if (!o.picture.empty()) {
        if (const int r = savePicture(out, o, plot, decimal); r != kGoOn) return r;
        if (stopRequested()) return 1;
    }
    if (handout) {
        if (const int r = writeHandout(host, out, o, decimal); r != kGoOn) return r;
        if (stopRequested()) return 1;
    }
    return stopped ? 1 : 0;
}

}  // namespace lineer::cli
