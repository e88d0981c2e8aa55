#include "testhost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace lineer::test {

namespace {
std::string fmt(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.9g", v);
    return b;
}

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        // A fresh folder of our own: create_directory fails on one that exists.
        std::random_device entropy;
        std::mt19937_64 rng((std::uint64_t(entropy()) << 32) ^ entropy());
        const auto base = std::filesystem::temp_directory_path();
        do {
            path = base / ("lineer-test-" + std::to_string(rng()));
        } while (!std::filesystem::create_directory(path));
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};
}  // namespace

void RecordingPicture::clear() { host_.events.push_back("clear"); }
void RecordingPicture::print(const std::string& text) {
    host_.printed.push_back(text);
    host_.events.push_back("print:" + text);
}
void RecordingPicture::scale(double x1, double y1, double x2, double y2) {
    host_.events.push_back("scale:" + fmt(x1) + "," + fmt(y1) + "," + fmt(x2) + "," + fmt(y2));
}
void RecordingPicture::box(double x1, double y1, double x2, double y2, Rgb c) {
    host_.events.push_back("box:" + fmt(x1) + "," + fmt(y1) + "," + fmt(x2) + "," + fmt(y2) + ":" +
                     std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
}
void RecordingPicture::circle(float cx, float cy, double r) {
    host_.events.push_back("circle:" + fmt(cx) + "," + fmt(cy) + "," + fmt(r));
}

std::string tempFile(const std::string& content, const std::string& name) {
    static TempDir dir;
    static int counter = 0;
    auto sub = dir.path / std::to_string(++counter);
    std::filesystem::create_directories(sub);
    auto p = sub / name;
    std::ofstream(p, std::ios::binary) << content;
    return p.string();
}

std::vector<std::string> runMethodOn(const std::string& content, Option option, TestHost& host) {
    Session s(host);
    EXPECT_TRUE(s.loadFile(tempFile(content))) << (host.messages.empty() ? "" : host.messages.back());
    host.selected = option;
    s.hesapla(host.request());
    return host.lines;
}

void runOnCopy(const Workspace& ws, Option option, TestHost& host) {
    auto copy = std::make_unique<Workspace>(ws);
    host.selected = option;
    Context ctx{*copy, host};
    ctx.params = host.request().params;
    runMethod(ctx, option);
}

std::vector<std::string> without(const std::vector<std::string>& lines, const std::vector<std::size_t>& left) {
    std::vector<std::string> kept;
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (next < left.size() && left[next] == i) {
            ++next;
            continue;
        }
        kept.push_back(lines[i]);
    }
    return kept;
}

std::unique_ptr<Workspace> randomSystem(std::mt19937_64& rng, bool lightKind) {
    std::uniform_int_distribution<int> pick(0, 99), small(-9, 9);
    auto ws = std::make_unique<Workspace>();
    ws->n = 1 + pick(rng) % 9;
    ws->m = ws->n + 1;
    const int kind = pick(rng) % 4;
    for (int i = 1; i <= ws->n; ++i)
        for (int j = 1; j <= ws->m; ++j) {
            double v = small(rng) + 0.125 * small(rng);
            if (i == j && !(lightKind && kind == 3)) v = kind == 1 && pick(rng) < 40 ? 0 : v + 40;
            if (kind == 2 && pick(rng) < 20) v *= 1e300;
            ws->A(i, j) = v;
        }
    return ws;
}

std::vector<std::string> methodLines(const std::vector<std::string>& all, int n) {
    std::size_t skip = 2 + static_cast<std::size_t>(n);
    if (all.size() < skip) return {};
    return {all.begin() + static_cast<long>(skip), all.end()};
}

std::string row(const std::vector<std::string>& cells) {
    std::string s;
    for (const auto& c : cells) s += c == "0" ? std::string(" 0.         ") : c + "   ";
    return s;
}

}  // namespace lineer::test
