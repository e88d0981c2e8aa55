// The page's core: the same session the window drives, called from
// JavaScript with the file's text and the switches, and answering in JSON:
// the results list with each line's kind, the remarks, the messages, the
// picture's drawing operations, the export. Everything the page shows
// comes from here and from the catalogue it hands over.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>
#include <sys/stat.h>

#include "exporter.h"
#include "host.h"
#include "languages.h"
#include "methodtable.h"
#include "numformat.h"
#include "session.h"
#include "texts.h"

namespace {

using namespace lineer;

void quoted(std::string& out, std::string_view s) {
    out += '"';
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else {
            out += c;
        }
    }
    out += '"';
}

// A coordinate for the page to draw with: every bit kept; a value that is
// not finite (never drawn) as null.
void number(std::string& out, double v) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char b[32];
    std::snprintf(b, sizeof b, "%.17g", v);
    out += b;
}

// The picture box as a list of operations, which the page draws again at
// whatever size it shows the picture.
class RecordedPicture : public PictureSurface {
public:
    std::string ops;
    std::size_t count = 0;

    void clear() override {
        ops.clear();
        count = 0;
        op("clear");
        ops += ']';
    }
    void print(const std::string& text) override {
        op("print");
        ops += ',';
        quoted(ops, text);
        ops += ']';
    }
    void scale(double x1, double y1, double x2, double y2) override { numbers("scale", {x1, y1, x2, y2}); }
    void box(double x1, double y1, double x2, double y2, Rgb c) override {
        numbers("box", {x1, y1, x2, y2, double(c.r), double(c.g), double(c.b)});
    }
    void circle(float cx, float cy, double radius) override { numbers("circle", {cx, cy, radius}); }
    void colourMap(int rows, int cols, double deepest) override {
        numbers("map", {double(rows), double(cols), deepest});
    }

private:
    void op(const char* name) {
        if (count++) ops += ',';
        ops += "[\"";
        ops += name;
        ops += '"';
    }
    void numbers(const char* name, std::initializer_list<double> values) {
        op(name);
        for (const double v : values) {
            ops += ',';
            number(ops, v);
        }
        ops += ']';
    }
};

class PageHost : public Host {
public:
    std::vector<ResultLine> lines;
    std::vector<std::string> remarks, messages;
    RecordedPicture pictureBox;

    void listAppend(ResultLine line) override { lines.push_back(std::move(line)); }
    void listClear() override { lines.clear(); }
    PictureSurface& picture() override { return pictureBox; }
    void message(const std::string& text) override { messages.push_back(text); }
    void remark(const std::string& text) override { remarks.push_back(text); }
};

void strings(std::string& out, const std::vector<std::string>& list) {
    out += '[';
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (k) out += ',';
        quoted(out, list[k]);
    }
    out += ']';
}

// What the last run wrote, for the export.
struct LastRun {
    std::vector<ResultLine> lines;
    std::string file;
    std::optional<Option> method;
} last;

std::string answer;
std::string transcript;  // the last run's lines, for lineer_transcript
std::vector<std::uint32_t> starts;  // where each of them starts in it, and its end

}  // namespace

extern "C" {

// Every text of the catalogue in `language` (0 Turkish, 1 English), in the
// order of the keys.
const char* lineer_catalogue(int language) {
    answer = "[";
    const auto in = static_cast<Language>(language);
    for (std::size_t k = 0; k < static_cast<std::size_t>(Text::Count_); ++k) {
        if (k) answer += ',';
        quoted(answer, kCatalogue[k].in(in));
    }
    answer += ']';
    return answer.c_str();
}

// The methods in the order of the options: [name, caption key, help key,
// group, textbook, uses max-iter, uses w].
const char* lineer_methods() {
    answer = "[";
    for (std::size_t k = 0; k < kMethods.size(); ++k) {
        const MethodRow& m = kMethods[k];
        if (k) answer += ',';
        answer += '[';
        quoted(answer, m.cliName);
        answer += ',' + std::to_string(static_cast<int>(m.caption.key())) + ',' +
                  std::to_string(static_cast<int>(m.help.key())) + ',' + std::to_string(static_cast<int>(m.group)) +
                  ',' + (m.place == Place::TextbookList ? "1" : "0") + ',' + (m.usesMaxIter ? "1" : "0") + ',' +
                  (m.usesW ? "1" : "0") + ']';
    }
    answer += ']';
    return answer.c_str();
}

// Loads `text` as the file `name` and does what the window's buttons do:
// the comparison, the method (empty: none), the picture ("Matrisi
// göster"). Answers {"loaded", "kinds", "remarks", "messages",
// "picture"}; the lines are lineer_transcript()'s.
const char* lineer_run(const char* text, const char* name, const char* method, const char* maxIter, const char* w,
                       int steps, int analysis, int compare, int draw, int language) {
    setLanguage(static_cast<Language>(language));
    // The file is written where the session loads it from, under its own
    // name, so that the loader's messages name it as the user knows it.
    ::mkdir("/files", 0777);
    ::chdir("/files");
    std::string file = name;
    if (file.empty() || file.find('/') != std::string::npos || file == "." || file == "..") file = "matrix.txt";
    {
        std::ofstream f(file, std::ios::binary | std::ios::trunc);
        f << text;
    }
    PageHost host;
    Session session(host, ".");
    RunRequest request;
    request.option = *method ? optionNamed(method) : std::nullopt;
    request.params.maxIterText = maxIter;
    request.params.wText = w;
    request.params.steps = steps != 0;
    request.params.analysis = analysis != 0;
    bool loaded = false;
    try {
        loaded = session.loadFile(file);
        if (loaded) {
            if (compare) session.compare(request);
            if (request.option) session.hesapla(request);
            if (draw) session.resimle();
        }
    } catch (const StopRun&) {
    } catch (const std::bad_alloc&) {
        host.messages.push_back(std::string(lineer::text(Text::WhyNotEncoded)));
    }
    std::remove(file.c_str());
    // The lines' texts go as one text, a line each (the page splits it, far
    // faster than it reads them one by one from JSON); each line's kind and
    // part as one character, '0' + 4 * kind + part.
    answer = "{\"loaded\":";
    answer += loaded ? "true" : "false";
    answer += ",\"kinds\":\"";
    transcript.clear();
    starts.clear();
    for (const ResultLine& l : host.lines) {
        answer += static_cast<char>('0' + 4 * static_cast<int>(l.kind) + static_cast<int>(l.part));
        starts.push_back(static_cast<std::uint32_t>(transcript.size()));
        transcript += l.text;
        transcript += '\n';
    }
    starts.push_back(static_cast<std::uint32_t>(transcript.size()));
    answer += '"';
    answer += ",\"remarks\":";
    strings(answer, host.remarks);
    answer += ",\"messages\":";
    strings(answer, host.messages);
    answer += ",\"picture\":[" + host.pictureBox.ops + "]}";
    last.lines = std::move(host.lines);
    for (const std::string& r : host.remarks) last.lines.emplace_back(LineKind::Remark, LinePart::Method, r);
    last.file = file == "matrix.txt" && name != file ? std::string() : file;
    last.method = request.option;
    return answer.c_str();
}

// The last run's lines, each ended by a newline: what the command line
// prints.
const char* lineer_transcript() { return transcript.c_str(); }
// Where each line starts in it, and after them its size: a line's text is
// [start(i), start(i + 1) - 1). The page reads only the lines in view.
const std::uint32_t* lineer_line_starts() { return starts.data(); }

// The last run's lines as LaTeX (kind 1) or HTML (kind 2), dated `date`
// (yyyy-mm-dd), with the picture's PNG (`png`, `pngSize` bytes; none when
// 0) in the HTML page.
const char* lineer_export(int kind, int bodyOnly, const char* date, const char* png, int pngSize) {
    exporting::Document d;
    d.lines = last.lines;
    const std::string caption = last.method ? std::string(text(methodRow(*last.method).caption)) : std::string();
    std::string method = caption;
    while (!method.empty() && method.back() == ' ') method.pop_back();
    while (!method.empty() && method.front() == ' ') method.erase(0, 1);
    d.heading = last.file.empty()  ? std::string(text(Text::WindowCaption))
                : method.empty()   ? last.file
                                   : format(Text::PrintHeading, last.file, method);
    d.date = date;
    if (pngSize > 0) d.png.assign(png, static_cast<std::size_t>(pngSize));
    answer = exporting::exportText(static_cast<exporting::ExportKind>(kind), d, bodyOnly != 0);
    return answer.c_str();
}

}  // extern "C"

int main() { return 0; }
