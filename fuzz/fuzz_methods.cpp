// Loads a small arbitrary matrix, types arbitrary texts into the two boxes
// and runs one of the eleven methods. Nothing may crash, and no line, text
// or picture coordinate may hold an infinity or a NaN.

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "colourmap.h"
#include "session.h"

using namespace lineer;

namespace {

void check(const std::string& text) {
    std::string lower;
    for (char c : text) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    // "determinantı" is the one word of the program's texts that holds "nan".
    for (std::size_t at; (at = lower.find("determinant")) != std::string::npos;) lower.erase(at, 11);
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos) std::abort();
}

void finite(double v) {
    if (!std::isfinite(v)) std::abort();
}

class CheckingPicture : public PictureSurface {
public:
    void clear() override {}
    void print(const std::string& text) override { check(text); }
    void scale(double x1, double y1, double x2, double y2) override {
        finite(x1), finite(y1), finite(x2), finite(y2);
        if (x1 == x2 || y1 == y2) std::abort();
    }
    void box(double x1, double y1, double x2, double y2, Rgb) override {
        finite(x1), finite(y1), finite(x2), finite(y2);
    }
    void circle(float cx, float cy, double r) override { finite(cx), finite(cy), finite(r); }
};

class CheckingHost : public Host {
public:
    CheckingPicture surface;

    void listAppend(ResultLine line) override { check(line.text); }
    void listClear() override {}
    PictureSurface& picture() override { return surface; }
    void message(const std::string& text) override { check(text); }
    bool keepIterating(std::int64_t sweeps, double) override { return sweeps < 2000; }
};

const double kPalette[] = {0, 1, -1, 2, -2, 0.5, 3, 10, -7, 1e-300, -1e-300, 1e300, -1e300, 4.9e-324,
                           1.7976931348623157e308, 1e15, 1e-5, 0.1, 100, -0.0};

struct Reader {
    const std::uint8_t* p;
    std::size_t left;
    std::uint8_t byte() {
        if (left == 0) return 0;
        --left;
        return *p++;
    }
    std::string text(std::size_t len) {
        std::string s;
        for (std::size_t i = 0; i < len && left > 0; ++i) s.push_back(static_cast<char>(byte()));
        return s;
    }
    double value() {
        std::uint8_t sel = byte();
        if (sel < 220) return kPalette[sel % (sizeof kPalette / sizeof kPalette[0])];
        double v = 0;
        for (std::size_t i = 0; i < sizeof v; ++i) reinterpret_cast<std::uint8_t*>(&v)[i] = byte();
        return std::isfinite(v) ? v : 0;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    CheckingHost host;
    const auto option = static_cast<Option>(in.byte() % kOptionCount);
    static Workspace ws;
    ws = Workspace{};
    ws.n = in.byte() % 7;
    ws.m = in.byte() % 9;
    if (in.byte() & 1) {  // sometimes the largest sizes, sparsely filled
        ws.n = 100 - in.byte() % 2;
        ws.m = 100;
    }
    RunParameters params;
    params.maxIterText = in.text(in.byte() % 12);
    params.wText = in.text(in.byte() % 12);
    for (int i = 1; i <= ws.n && in.left > 0; ++i)
        for (int j = 1; j <= ws.m + 1 && j <= 100 && in.left > 0; ++j) ws.A(i, j) = in.value();
    Context ctx{ws, host, ".", params};
    runMethod(ctx, option);
    resimle(ctx);
    return 0;
}
