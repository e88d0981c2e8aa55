#include "cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "interrupt.h"
#include "loader.h"
#include "picture_output.h"
#include "session.h"
#include "texts.h"
#include "toolkit.h"

namespace lineer::cli {

namespace {

// The usage, with the method names in a column, one line per method.
std::string helpText() {
    std::string methods;
    for (int k = 0; k < kAllOptionCount; ++k) {
        const MethodRow& row = methodRow(static_cast<Option>(k));
        std::string name = row.cliName;
        name.resize(std::max<std::size_t>(name.size() + 1, 14), ' ');
        methods += "  " + name + row.cliHelp.now() + "\n";
    }
    return format(Text::CliHelp, methods);
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
    explicit CliPicture(int& messages) : messages_(messages) {}
    PictureSurface* target = nullptr;

    void clear() override {
        if (target) target->clear();
    }
    void print(const std::string& text) override {
        ++messages_;
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

private:
    int& messages_;
};

// Thrown by the output when a stop was asked for outside an iteration: the
// run ends at that line.
struct Interrupted {};

class CliHost : public Host {
public:
    OutputBuffer out;
    int messages = 0;  // message boxes and picture texts so far
    CliPicture pictureBox{messages};
    bool inIteration = false;  // an iteration has begun: it ends the run itself

    void listAppend(std::string line) override {
        holdOutput();
        if (!inIteration && stopRequested()) throw Interrupted();
        out.line(line);
    }
    // An explanation never ends the run: an iteration writes its table row
    // before it asks whether to go on.
    void listExplain(std::string line) override {
        holdOutput();
        out.line(line);
    }
    void listClear() override { out.discard(); }
    PictureSurface& picture() override { return pictureBox; }
    void message(const std::string& text) override {
        ++messages;
        toStderr(text);
    }
    // A remark goes with the messages but leaves the exit status alone.
    void note(const std::string& text) override { toStderr(text); }
    // A stop ends the iteration after this sweep, as "İptal" does in the
    // window: the report and the line saying where it stopped are written.
    bool keepIterating(std::int64_t, double) override {
        inIteration = true;
        return !stopRequested();
    }
};

int outputFailed() {
    toStderr(text(Text::CliOutputFailed));
    return 2;
}

}  // namespace

int usage(std::string_view problem) {
    toStderr(format(Text::CliUsageError, problem));
    return 2;
}

int run(const std::vector<std::string>& args) {
    installInterruptHandlers();
    CliHost host;
    RunRequest request;
    std::string file, picture;
    bool haveFile = false, draw = false, compare = false;
    const std::size_t argc = args.size();
    for (std::size_t i = 1; i < argc; ++i) {
        std::string_view a = args[i];
        auto value = [&](std::string_view name, std::string& out) -> int {
            // --name VALUE or --name=VALUE; 1 when matched, -1 when the value is missing.
            if (a == name) {
                if (i + 1 >= argc) return -1;
                out = args[++i];
                return 1;
            }
            if (a.size() > name.size() && a.substr(0, name.size()) == name && a[name.size()] == '=') {
                out = std::string(a.substr(name.size() + 1));
                return 1;
            }
            return 0;
        };
        std::string method;
        int r;
        if (a == "--help" || a == "-h") {
            if (std::fputs(helpText().c_str(), stdout) < 0 || std::fflush(stdout) != 0) return outputFailed();
            return 0;
        } else if (a == "--version") {
            if (std::fputs("lineer " LINEER_VERSION "\n", stdout) < 0 || std::fflush(stdout) != 0)
                return outputFailed();
            return 0;
        } else if (a == "--draw") {
            draw = true;
        } else if (a == "--steps") {
            request.params.steps = true;
        } else if (a == "--analysis") {
            request.params.analysis = true;
        } else if (a == "--compare") {
            compare = true;
        } else if ((r = value("--method", method)) != 0) {
            if (r < 0) return usage(text(Text::CliMethodNeedsName));
            request.option.reset();
            for (int k = 0; k < kAllOptionCount; ++k)
                if (method == methodRow(static_cast<Option>(k)).cliName) request.option = static_cast<Option>(k);
            if (!request.option) return usage(format(Text::CliUnknownMethod, shownPath(method)));
        } else if ((r = value("--max-iter", request.params.maxIterText)) != 0) {
            if (r < 0) return usage(format(Text::CliOptionNeedsText, "--max-iter"));
        } else if ((r = value("--w", request.params.wText)) != 0) {
            if (r < 0) return usage(format(Text::CliOptionNeedsText, "--w"));
        } else if ((r = value("--picture", picture)) != 0) {
            if (r < 0 || picture.empty()) return usage(text(Text::CliPictureNeedsName));
        } else if (a == "--") {
            if (i + 1 < argc && !haveFile) {
                file = args[++i];
                haveFile = true;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return usage(format(Text::CliUnknownOption, shownPath(std::string(a))));
        } else {
            if (haveFile) return usage(text(Text::CliOneFileOnly));
            file = std::string(a);
            haveFile = true;
        }
    }
    if (!haveFile) return usage(text(Text::CliNoFile));

    PictureOutput out;
    if (!picture.empty() || draw) host.pictureBox.target = out.surface();

    Session session(host, ui::systemDecimalSymbol());
    bool stopped = false;
    try {
        if (!session.loadFile(file)) return 2;
        // The listing is out before a long run begins.
        host.out.flush();
        int before = host.messages;
        if (compare) session.compare(request);
        if (request.option) session.hesapla(request);
        stopped = host.messages != before;
        if (draw && !stopRequested()) session.resimle();
    } catch (const Interrupted&) {
    }
    host.out.flush();
    if (host.out.failed()) return outputFailed();
    if (stopRequested()) return 1;
    if (!picture.empty()) {
        // A pipe or a device is written as it is, and opening a pipe waits
        // for a reader that may never come: a signal then ends the process
        // at once. A file is replaced whole, so a signal waits for that.
        std::error_code ec;
        const std::u8string name(reinterpret_cast<const char8_t*>(picture.data()), picture.size());
        const auto type = std::filesystem::status(std::filesystem::path(name), ec).type();
        if (!ec && type != std::filesystem::file_type::regular && type != std::filesystem::file_type::directory &&
            type != std::filesystem::file_type::not_found)
            releaseOutput();
        std::string why = out.save(picture);
        if (!why.empty()) {
            toStderr(format(Text::CliPictureNotSaved, shownPath(picture), why));
            return 2;
        }
        if (stopRequested()) return 1;
    }
    return stopped ? 1 : 0;
}

}  // namespace lineer::cli
