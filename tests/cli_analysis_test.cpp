// "--analysis" and "--compare" on the command line.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

using lineer::test::CliResult;
using lineer::test::examplePath;
using lineer::test::runLineer;

std::vector<std::string> splitLines(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Whether `part` is `whole` with some lines left out.
bool subsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    std::size_t k = 0;
    for (const auto& line : whole)
        if (k < part.size() && line == part[k]) ++k;
    return k == part.size();
}

TEST(CliAnalysis, AddsLinesAndLeavesTheRestAsItWas) {
    for (const char* method : {"gauss", "thomas", "inverse", "sor", "sor-textbook"})
        for (const char* example : {"ucgen-bantli.txt", "sifir-pivot.txt"}) {
            SCOPED_TRACE(std::string(method) + " " + example);
            const CliResult plain = runLineer({"--method", method, "--w", "1.2", examplePath(example)});
            const CliResult analysed =
                runLineer({"--analysis", "--method", method, "--w", "1.2", examplePath(example)});
            const auto p = splitLines(plain.out), a = splitLines(analysed.out);
            EXPECT_TRUE(subsequence(p, a));
            EXPECT_EQ(analysed.err, plain.err);
            EXPECT_EQ(analysed.status, plain.status);
            if (plain.status == 0) {
                EXPECT_GT(a.size(), p.size());
            }
        }
}

TEST(CliAnalysis, CompareWritesOneTableForEveryExample) {
    for (const auto& e : std::filesystem::directory_iterator(LINEER_EXAMPLES)) {
        SCOPED_TRACE(e.path().filename().string());
        const CliResult r = runLineer({"--compare", e.path().string()});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        const auto lines = splitLines(r.out);
        const auto heading = std::find(lines.begin(), lines.end(), "Yöntemlerin karşılaştırılması");
        ASSERT_NE(heading, lines.end());
        const bool system = e.path().filename() != "buyuk-100.txt";
        EXPECT_EQ(std::find_if(heading, lines.end(), [](const std::string& l) { return l.starts_with("Yöntem   "); }) !=
                      lines.end(),
                  system);
    }
}

}  // namespace
