// Every method on thousands of random matrices from hostile families:
// nothing crashes, no line holds an infinity or a NaN, and every line has
// the shape the results list allows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <regex>

#include "testhost.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

class CappedHost : public TestHost {
public:
    bool keepIterating(std::int64_t sweeps, double) override { return sweeps < 300; }
};

enum class Family { Mixed, ZeroDiagonal, Sparse, EqualRows, Huge, Tiny, AllZero, Count };

struct Problem {
    Workspace ws;
    Family family;
};

Problem makeProblem(std::mt19937_64& rng) {
    Problem p;
    std::uniform_int_distribution<int> pick(0, 99);
    int n = pick(rng) < 90 ? pick(rng) % 11 : pick(rng) + 1;
    int mChoice = pick(rng) % 4;
    int m = std::clamp(n - 1 + mChoice, 0, 100);
    p.ws.n = n;
    p.ws.m = m;
    p.family = static_cast<Family>(pick(rng) % static_cast<int>(Family::Count));
    std::uniform_int_distribution<int> small(-9, 9);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            double v = small(rng);
            switch (p.family) {
                case Family::Mixed: v = v * (i == j ? 10 : 1) + 0.25 * small(rng); break;
                case Family::ZeroDiagonal: v = (i == j && pick(rng) < 50) ? 0 : v; break;
                case Family::Sparse: v = pick(rng) < 75 ? 0 : v; break;
                case Family::EqualRows: v = j + (i % 2); break;
                case Family::Huge: v = pick(rng) < 30 ? v * 1e300 : v; break;
                case Family::Tiny: v = pick(rng) < 30 ? v * 1e-300 : v; break;
                case Family::AllZero: v = 0; break;
                case Family::Count: break;
            }
            p.ws.A(i, j) = v;
        }
    return p;
}

const char* const kLimits[] = {"100", "", "5", "-3", "2.9", "1,5", "&HFF", "1e400", "0", "abc"};
const char* const kFactors[] = {"1", "0", "1.5", "2", "-1", "1e308", "abc", "0.9", "&O7"};

// A listing cell: the zero text, or a formatted number and three spaces.
const std::regex kGeneral(R"(-?[0-9]+(\.[0-9]+)?(E\+[0-9]{2,3})?)");
const std::regex kRoot(R"( x\(([0-9]+)\) = (-?[0-9]+\.[0-9]{4}))");
const std::regex kCount(R"([0-9]+ iterasyon adımı sonucunda)");
const std::regex kStopped(R"(İterasyon [0-9]+\. adımda durduruldu)");
// A band-table line: a, b, c in the listing format, then d without trailing spaces.
const std::regex kBand(R"(( 0\.0000   |-?[0-9]+\.[0-9]{4}   )(-?[0-9]+\.[0-9]{4}   )(  0\.0000   |-?[0-9]+\.[0-9]{4}   )-?[0-9]+\.[0-9]{4})");

const std::vector<std::string> kTexts = {
    " ",
    "Katsayılar matrisi",
    "Üst-üçgenselleştirilmiş matris",
    "Pivotlanmış matris",
    "Ters matris",
    "Alt-üçgensel matris",
    "Üst-üçgensel matris",
    "Dikdörgenselleştirilmiş katsayılar matrisi",
    "Lineer denklem takımının kökleri",
    "Lineer denklem takımının sıralanmış kökleri",
};

const std::vector<std::string> kMessages = {
    " sıfır diyagonal elemanı",
    "Hesaplamada sayı taşması oluştu",
    "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)",
    "İterasyon ıraksıyor",
    "Thomas yöntemi en çok 99 denklem çözebilir",
    "Sütun sayısı satır sayısından az",
};

// Checks one line; returns an empty string when it is well formed.
std::string problemWith(const std::string& line, Option option, int n, int m) {
    std::string lower;
    for (char c : line) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (std::size_t at; (at = lower.find("determinant")) != std::string::npos;) lower.erase(at, 11);
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos) return "inf/nan";
    if (std::find(kTexts.begin(), kTexts.end(), line) != kTexts.end()) return "";
    const bool lu = option == Option::LesDoolittle || option == Option::LesCrout;
    const int cells = cellCount(line);
    if (cells >= 0) {
        const int expected = lu ? n : m;
        return cells == expected || (lu && cells == m) ? "" : "cell count " + std::to_string(cells);
    }
    std::smatch mm;
    if (std::regex_match(line, mm, kRoot)) return std::stoi(mm[1]) >= 1 && std::stoi(mm[1]) <= n ? "" : "root index";
    if (std::regex_match(line, kCount) || std::regex_match(line, kStopped)) return "";
    const std::string err = "Maksimum hata = ", det = "Matrisin determinantı = ";
    if (line.rfind(err, 0) == 0) return std::regex_match(line.substr(err.size()), kGeneral) ? "" : "error value";
    if (line.rfind(det, 0) == 0) return std::regex_match(line.substr(det.size()), kGeneral) ? "" : "determinant";
    if (option == Option::LesThomas && std::regex_match(line, kBand)) return "";
    return "unknown line";
}

TEST(Property, EveryMethodOnHostileMatrices) {
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    constexpr int kTrials = 3000;
    std::vector<int> finished(kOptionCount, 0);
    for (int trial = 0; trial < kTrials; ++trial) {
        Problem p = makeProblem(rng);
        auto option = static_cast<Option>(trial % kOptionCount);
        CappedHost host;
        host.selected = option;
        host.maxIter = kLimits[pick(rng) % std::size(kLimits)];
        host.w = kFactors[pick(rng) % std::size(kFactors)];
        Session s(host);
        s.workspace() = p.ws;
        s.context().params = host.request().params;
        runMethod(s.context(), option);
        s.resimle();
        // A run with equations says something: lines, a message or a
        // picture text.
        ASSERT_FALSE(p.ws.n > 0 && host.lines.empty() && host.messages.empty() && host.printed.empty())
            << "method " << static_cast<int>(option) << " n=" << p.ws.n << " m=" << p.ws.m;
        if (host.messages.empty() && host.printed.empty()) ++finished[static_cast<int>(option)];
        for (const auto& line : host.lines) {
            std::string why = problemWith(line, option, p.ws.n, p.ws.m);
            ASSERT_EQ(why, "") << "method " << static_cast<int>(option) << " n=" << p.ws.n << " m=" << p.ws.m
                               << " family " << static_cast<int>(p.family) << " line [" << line << "]";
        }
        for (const auto* texts : {&host.messages, &host.printed})
            for (const auto& text : *texts)
                ASSERT_NE(std::find(kMessages.begin(), kMessages.end(), text), kMessages.end()) << text;
    }
    // The families are hostile, but every method still ends normally in a
    // fair share of its runs. Plain Gauss elimination, which stops at every
    // zero pivot and at every element it cannot keep (a product of two of
    // the tiny family's 1E-300 entries), ends normally in about a quarter.
    for (int o = 0; o < kOptionCount; ++o)
        EXPECT_GT(finished[o], kTrials / kOptionCount / 5) << "method " << o;
}

}  // namespace
}  // namespace lineer::test
