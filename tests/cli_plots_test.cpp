// --plot: the three plots written as PNG or SVG, and the messages when one
// cannot be drawn.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"

namespace lineer::test {
namespace {

std::string tempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("lineer-plots-" + name)).string();
}

std::string modelProblem() {
    const std::string path = tempPath("tri10.txt");
    std::ofstream f(path);
    f << "10 11\n";
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) f << (i == j ? 2 : (i - j == 1 || j - i == 1) ? -1 : 0) << ' ';
        f << "1\n";
    }
    return path;
}

TEST(CliPlots, EachPlotIsWrittenAndTheTranscriptStaysAsItWas) {
    const std::string tri = modelProblem();
    const std::string dominant = examplePath("kosegen-baskin.txt");
    const std::string two = tempPath("two.txt");
    std::ofstream(two) << "2 3\n10 1 12\n2 10 22\n";
    struct Case {
        std::vector<std::string> args;
        const char* file;
        const char* mustHold;  // a text of the SVG
    };
    const Case cases[] = {
        {{"--plot", "omega", "--lang", "en"}, "o.svg", "ω = 1.56"},
        {{"--plot", "convergence", "--method", "sor", "--w", "1.2", "--lang", "en"}, "c.svg", "ω = 1.2"},
        {{"--plot", "convergence", "--compare"}, "c.png", nullptr},
        {{"--plot", "geometry", "--method", "gauss-seidel", "--lang", "en"}, "g.svg", "solution (1, 2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string out = tempPath(c.file);
        std::filesystem::remove(out);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--picture", out, c.args[1] == "geometry" ? two : c.args[1] == "omega" ? tri : dominant});
        const CliResult r = runLineer(args);
        EXPECT_EQ(r.status, 0) << r.err;
        const std::string bytes = slurpFile(out);
        ASSERT_FALSE(bytes.empty());
        if (c.mustHold) EXPECT_NE(bytes.find(c.mustHold), std::string::npos);
        else EXPECT_EQ(bytes.substr(1, 3), "PNG");
        // The run's transcript is the one it has without the plot.
        std::vector<std::string> plain;
        for (std::size_t k = 0; k < c.args.size(); ++k) {
            if (c.args[k] == "--plot") { ++k; continue; }
            plain.push_back(c.args[k]);
        }
        plain.push_back(c.args[1] == "geometry" ? two : c.args[1] == "omega" ? tri : dominant);
        EXPECT_EQ(r.out, runLineer(plain).out);
        std::filesystem::remove(out);
    }
}

TEST(CliPlots, APlotThatCannotBeDrawnSaysWhyWithStatusTwo) {
    const std::string out = tempPath("x.png");
    struct Case {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"--plot", "geometry", "--picture", out, examplePath("uc-denklem.txt")},
         "Geometri çizimi 2 × 2 bir sistem ister (2 satır, 3 sütun); bu matris 3 × 4.\n"},
        {{"--plot", "convergence", "--method", "gauss", "--picture", out, examplePath("uc-denklem.txt")},
         "Yakınsama çizimi bir iterasyon yöntemi ister (Jacobi, Gauss-Seidel ya da SOR).\n"},
        {{"--plot", "omega", examplePath("uc-denklem.txt")},
         "lineer: --plot, çizimin yazılacağı dosyayı --picture ÇIKTI.png|svg ile ister"},
        {{"--plot", "spiral", "--picture", out, examplePath("uc-denklem.txt")},
         "lineer: --plot convergence, omega ya da geometry ister"},
    };
    for (const Case& c : cases) {
        const CliResult r = runLineer(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

}  // namespace
}  // namespace lineer::test
