#pragma once
// A host that records everything the core does, for the tests.

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "session.h"

namespace lineer::test {

class TestHost;

// The picture box of a TestHost: records into the host's vectors.
class RecordingPicture : public PictureSurface {
public:
    explicit RecordingPicture(TestHost& host) : host_(host) {}
    void clear() override;
    void print(const std::string& text) override;
    void scale(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2, Rgb c) override;
    void circle(float cx, float cy, double r) override;

private:
    TestHost& host_;
};

class TestHost : public Host {
public:
    std::vector<std::string> lines;     // the results list
    std::vector<ResultLine> results;    // the same lines with their kinds
    std::vector<std::size_t> explained; // which of `lines` are explained-steps lines
    std::vector<std::size_t> analysed;  // which of `lines` are analysis lines
    std::vector<std::string> messages;  // message box texts
    std::vector<std::string> notes;     // the runs' remarks
    std::vector<std::string> printed;   // texts printed into the picture
    std::vector<std::string> events;    // every picture operation and message, in order
    // What the window would send with "Hesapla": the boxes and the option.
    std::string maxIter = "100";
    std::string w = "1";
    bool steps = false;  // "Adımları göster"
    bool analysis = false;  // "Analizi göster"
    std::optional<Option> selected;
    int listClears = 0;
    RecordingPicture surface{*this};

    TestHost() = default;
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    RunRequest request() const { return {selected, {maxIter, w, steps, analysis}}; }

    void listAppend(ResultLine line) override {
        if (line.part == LinePart::Steps) explained.push_back(lines.size());
        if (line.part == LinePart::Analysis) analysed.push_back(lines.size());
        lines.push_back(line.text);
        results.push_back(std::move(line));
    }
    void listClear() override {
        lines.clear();
        results.clear();
        explained.clear();
        analysed.clear();
        ++listClears;
    }
    PictureSurface& picture() override { return surface; }
    void message(const std::string& text) override {
        messages.push_back(text);
        events.push_back("message:" + text);
    }
    void remark(const std::string& text) override { notes.push_back(text); }
};

// A file in a fresh temporary folder with the given content; removed with
// the folder at the end of the test program.
std::string tempFile(const std::string& content, const std::string& name = "m.txt");

// Loads `content` into a fresh session, selects `option` and presses
// "Hesapla"; returns the results list after the run.
struct Run {
    TestHost host;
    std::vector<std::string> lines;
};
std::vector<std::string> runMethodOn(const std::string& content, Option option, TestHost& host);

// The lines a method appended after the load listing (which is
// "Katsayılar matrisi", " " and n rows).
std::vector<std::string> methodLines(const std::vector<std::string>& all, int n);

// Runs `option` on a copy of `ws` with the boxes and switches `host` holds,
// as "Hesapla" does after a load.
void runOnCopy(const Workspace& ws, Option option, TestHost& host);

// `lines` without those at the increasing positions `left`: a run's own
// lines without its explained steps or its analysis.
std::vector<std::string> without(const std::vector<std::string>& lines, const std::vector<std::size_t>& left);

// A random system of 1 to 9 equations of small values in steps of 1/8, of
// one of four kinds: diagonally heavy; heavy with some zeros on the
// diagonal; heavy with some values times 1E+300 (they overflow on the way);
// and where `lightKind` is set, not heavy at all (else heavy again).
std::unique_ptr<Workspace> randomSystem(std::mt19937_64& rng, bool lightKind);

// A listing row as the listing writes it, from the already formatted cells
// ("0" for an exact zero).
std::string row(const std::vector<std::string>& cells);

}  // namespace lineer::test
