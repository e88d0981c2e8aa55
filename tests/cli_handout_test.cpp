// The handouts as a teacher uses them: the LaTeX of every method compiles
// and fits the page, and the HTML sets every table as a table.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "cli_runner.h"

namespace lineer::test {
namespace {

namespace fs = std::filesystem;

struct Handout {
    const char* name;
    std::vector<std::string> args;
};

const std::vector<Handout>& handouts() {
    static const std::vector<Handout> all = {
        {"det", {"--method", "det", "--steps", examplePath("uc-denklem.txt")}},
        {"inverse", {"--method", "inverse", "--steps", examplePath("uc-denklem.txt")}},
        {"gauss", {"--method", "gauss", "--steps", "--analysis", examplePath("uc-denklem.txt")}},
        {"mpgauss", {"--method", "mpgauss", examplePath("uc-denklem.txt")}},
        {"gauss-jordan", {"--method", "gauss-jordan", examplePath("uc-denklem.txt")}},
        {"doolittle", {"--method", "doolittle", "--steps", examplePath("uc-denklem.txt")}},
        {"crout", {"--method", "crout", examplePath("uc-denklem.txt")}},
        {"thomas", {"--method", "thomas", "--steps", examplePath("ucgen-bantli.txt")}},
        {"jacobi", {"--method", "jacobi", "--steps", examplePath("kosegen-baskin.txt")}},
        {"gauss-seidel", {"--method", "gauss-seidel", "--steps", examplePath("kosegen-baskin.txt")}},
        {"sor", {"--method", "sor", "--w", "1.2", "--steps", "--analysis", examplePath("kosegen-baskin.txt")}},
        {"sor-textbook", {"--method", "sor-textbook", "--steps", examplePath("kosegen-baskin.txt")}},
        {"compare", {"--compare", examplePath("uc-denklem.txt")}},
        {"gauss-99", {"--method", "gauss", examplePath("buyuk-99.txt")}},
        {"jacobi-99", {"--method", "jacobi", "--steps", "--max-iter", "3", examplePath("buyuk-99.txt")}},
        {"compare-99", {"--compare", examplePath("buyuk-99.txt")}},
    };
    return all;
}

fs::path scratch(const char* what) {
    const fs::path dir = fs::temp_directory_path() / ("lineer-handout-" + std::to_string(getpid()) + "-" + what);
    fs::create_directories(dir);
    return dir;
}

// Runs pdflatex twice (longtable settles its columns in the second run).
bool compiles(const fs::path& dir, const std::string& name) {
    const std::string cmd = "cd " + shellQuote(dir.string()) + " && for i in 1 2; do pdflatex -interaction=nonstopmode " +
                            "-halt-on-error " + shellQuote(name + ".tex") + " >/dev/null 2>&1 || exit 1; done";
    return std::system(cmd.c_str()) == 0;
}

TEST(Handouts, TheLatexOfEveryMethodCompilesAndNoLineLeavesThePage) {
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdflatex";
    const fs::path dir = scratch("tex");
    for (const Handout& h : handouts()) {
        std::vector<std::string> args = h.args;
        args.insert(args.begin(), {"--export", (dir / (std::string(h.name) + ".tex")).string()});
        ASSERT_EQ(runLineer(args).status, 0) << h.name;
        ASSERT_TRUE(compiles(dir, h.name)) << h.name << ": " << slurpFile((dir / (std::string(h.name) + ".log")).string());
        const std::string log = slurpFile((dir / (std::string(h.name) + ".log")).string());
        static const std::regex overfull(R"(Overfull \\hbox \(([0-9.]+)pt too wide\))");
        for (auto m = std::sregex_iterator(log.begin(), log.end(), overfull); m != std::sregex_iterator(); ++m)
            EXPECT_LE(std::stod((*m)[1]), 3.0) << h.name << ": " << (*m)[0];
    }
    fs::remove_all(dir);
}

// Counts the tags in the page: every table balanced, and the table lines
// of the list (the matrices, the comparison, the sweeps) each in one.
TEST(Handouts, TheHtmlSetsEveryTableAsATable) {
    const fs::path dir = scratch("html");
    struct Case {
        std::size_t handout;
        int tables;
    };
    // The matrix as loaded, then: the comparison's two tables; the sweeps,
    // the roots' matrix is none; Thomas's bands.
    for (const Case c : {Case{12, 3}, Case{10, 2}, Case{7, 2}}) {
        const Handout& h = handouts()[c.handout];
        std::vector<std::string> args = h.args;
        const std::string path = (dir / (std::string(h.name) + ".html")).string();
        args.insert(args.begin(), {"--export", path});
        ASSERT_EQ(runLineer(args).status, 0) << h.name;
        const std::string page = slurpFile(path);
        const auto count = [&](const std::string& s) {
            int n = 0;
            for (std::size_t at = page.find(s); at != std::string::npos; at = page.find(s, at + 1)) ++n;
            return n;
        };
        EXPECT_EQ(count("<table"), c.tables) << h.name;
        EXPECT_EQ(count("</table>"), c.tables) << h.name;
        EXPECT_EQ(count("<tr>"), count("</tr>")) << h.name;
        // No table row is left as a paragraph of spaced-out words.
        EXPECT_EQ(page.find("<p>Yöntem   "), std::string::npos) << h.name;
        if (std::system("command -v python3 >/dev/null 2>&1") == 0) {
            const std::string check =
                "python3 -c 'import sys, html.parser\n"
                "class P(html.parser.HTMLParser):\n"
                "    def __init__(s): super().__init__(); s.open = []\n"
                "    def handle_starttag(s, t, a):\n"
                "        if t in (\"table\", \"tr\", \"td\", \"th\", \"p\"): s.open.append(t)\n"
                "    def handle_endtag(s, t):\n"
                "        if t in (\"table\", \"tr\", \"td\", \"th\", \"p\"): assert s.open.pop() == t, t\n"
                "p = P(); p.feed(open(sys.argv[1], encoding=\"utf-8\").read()); assert not p.open' " +
                shellQuote(path);
            EXPECT_EQ(std::system(check.c_str()), 0) << h.name;
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace lineer::test
