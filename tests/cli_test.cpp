// The command line: stdout, stderr and exit status of the real executable.

#include <gtest/gtest.h>

#include <cstdio>

#include "cli_runner.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

const std::vector<std::string>& kGaussTranscript = kUcDenklemGauss;

TEST(Cli, GaussOnTheThreeEquationExample) {
    CliResult r = runLineer({"--method", "gauss", examplePath("uc-denklem.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.lines(), kGaussTranscript);
}

TEST(Cli, WithoutAMethodOnlyLoadsAndLists) {
    CliResult r = runLineer({examplePath("uc-denklem.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.lines(), std::vector<std::string>(kGaussTranscript.begin(), kGaussTranscript.begin() + 5));
}

TEST(Cli, DecimalSymbolFollowsTheLocale) {
    struct Case {
        std::string env;
        std::string firstRow;
    };
    for (const auto& c : std::vector<Case>{
             {"LANG=tr_TR.UTF-8", "2,0000   1,0000   -1,0000   8,0000   "},
             {"LC_NUMERIC=tr_TR.UTF-8 LANG=en_US.UTF-8", "2,0000   1,0000   -1,0000   8,0000   "},
             {"LC_ALL=en_US.UTF-8 LC_NUMERIC=tr_TR.UTF-8", "2.0000   1.0000   -1.0000   8.0000   "},
             {"LC_ALL=C", "2.0000   1.0000   -1.0000   8.0000   "},
         }) {
        CliResult r = runLineer({"--method", "gauss", examplePath("uc-denklem.txt")}, c.env);
        EXPECT_EQ(r.status, 0) << c.env;
        ASSERT_EQ(r.lines().size(), kGaussTranscript.size()) << c.env;
        EXPECT_EQ(r.lines()[2], c.firstRow) << c.env;
        EXPECT_EQ(r.err, "") << c.env;
    }
    // The zero text keeps its period; the file is read the same in any locale.
    CliResult r = runLineer({"--method", "gauss", examplePath("uc-denklem.txt")}, "LANG=tr_TR.UTF-8");
    EXPECT_EQ(r.lines()[9], " 0.         0,5000   0,5000   1,0000   ");
    EXPECT_EQ(r.lines()[16], " x(3) = -1,0000");
}

TEST(Cli, ExitStatusAndStreams) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::vector<std::string> err;
        bool emptyOut;
    };
    std::string zeroPivot = examplePath("sifir-pivot.txt");
    std::string missing = examplePath("yok.txt");
    const std::string top = std::filesystem::temp_directory_path().string() + "/lineer-cli-" + std::to_string(getpid());
    const std::string turkish = top + "/Çözümler";
    std::filesystem::create_directories(turkish);
    std::filesystem::copy_file(examplePath("uc-denklem.txt"), turkish + "/örnek.txt",
                               std::filesystem::copy_options::overwrite_existing);
    for (const auto& c : std::vector<Case>{
             {"stopped_by_message",
              {"--method", "gauss", zeroPivot},
              1,
              {" sıfır diyagonal elemanı", "Köşegende sıfır çıktı, ama katsayılar matrisi tekil değil: pivotunu "
                                           "her adımda kalan satırlardan seçen yöntemler (Gauss-Jordan, kısmi ya da "
                                           "tam pivotlamalı Gauss, PA = LU) bu sistemi çözer"},
              false},
             {"load_fails", {"--method", "gauss", missing}, 2, {"Dosya açılamadı: " + missing}, true},
             {"folder", {examplePath("")}, 2, {"Dosya açılamadı: " + examplePath("")}, true},
             {"turkish_names", {"--picture", turkish + "/örnek.png", "--draw", turkish + "/örnek.txt"}, 0, {}, false},
             {"turkish_name_missing", {turkish + "/yök.txt"}, 2, {"Dosya açılamadı: " + turkish + "/yök.txt"}, true},
         }) {
        CliResult r = runLineer(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.errLines(), c.err) << c.name;
        EXPECT_EQ(r.out.empty(), c.emptyOut) << c.name;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(turkish + "/örnek.png"));
    std::filesystem::remove_all(top);
}

TEST(Cli, UsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--method", "qr", examplePath("uc-denklem.txt")},
             {"--method"},
             {"--bogus", examplePath("uc-denklem.txt")},
             {"--max-iter", "5"},
             {examplePath("uc-denklem.txt"), examplePath("uc-denklem.txt")},
             {"--picture", "", examplePath("uc-denklem.txt")},
             {"--picture=", examplePath("uc-denklem.txt")},
         }) {
        CliResult r = runLineer(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_NE(r.err.find("lineer --help"), std::string::npos) << args[0];
    }
}

TEST(Cli, VersionIsTheBuildsAndEndsTheRun) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--version"},
             {"--version", "--method", "gauss", examplePath("uc-denklem.txt")},
         }) {
        CliResult r = runLineer(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "lineer " LINEER_VERSION "\n");
        EXPECT_EQ(r.err, "");
    }
}

TEST(Cli, HelpIsInTurkish) {
    CliResult r = runLineer({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Kullanım: lineer"), std::string::npos);
    for (const char* method : {"det", "inverse", "gauss", "mpgauss", "gauss-jordan", "doolittle", "crout", "thomas",
                               "jacobi", "gauss-seidel", "sor", "sor-textbook", "--analysis", "--compare"})
        EXPECT_NE(r.out.find(std::string("  ") + method + " "), std::string::npos) << method;
    const std::string methods =
        "Yöntemler:\n"
        "  det           Gauss eliminasyonu ile determinant\n"
        "  inverse       Scrobanski yöntemi ile ters matris\n"
        "  gauss         Gauss eliminasyon yöntemi\n"
        "  mpgauss       Maksimum pivotlu Gauss eliminasyonu\n"
        "  gauss-jordan  Gauss-Jordan eliminasyon yöntemi\n"
        "  doolittle     Doolittle LU ayrıştırma yöntemi\n"
        "  crout         Crout LU ayrıştırma yöntemi\n"
        "  thomas        Thomas yöntemi\n"
        "  jacobi        Jacobi basit iterasyon yöntemi\n"
        "  gauss-seidel  Gauss-Seidel iterasyon yöntemi\n"
        "  sor           SOR iterasyon yöntemi\n"
        "  sor-textbook  SOR, ders kitabındaki gibi: her bileşen hesaplanınca gevşetilir\n"
        "\n"
        "Seçenekler:\n";
    EXPECT_NE(r.out.find(methods), std::string::npos) << r.out;
}

}  // namespace
}  // namespace lineer::test

namespace lineer::test {
namespace {

TEST(Cli, OverflowExitsWithOne) {
    std::string file = (std::filesystem::temp_directory_path() / ("lineer-overflow-" + std::to_string(getpid()) + ".txt")).string();
    {
        std::ofstream(file) << "2 3 1e-300 1e300 1 1 1 2\n";
    }
    CliResult r = runLineer({"--method", "gauss", file});
    std::filesystem::remove(file);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Hesaplamada sayı taşması oluştu\n");
    auto lines = r.lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines.back(), "Üst-üçgenselleştirilmiş matris");
}

}  // namespace
}  // namespace lineer::test

namespace lineer::test {
namespace {

// Output that cannot be written is not a success: it is said on stderr.
TEST(Cli, OutputThatCannotBeWrittenFails) {
    struct Case {
        std::string args, err;
    };
    const std::string file = shellQuote(examplePath("uc-denklem.txt"));
    for (const auto& c : std::vector<Case>{
             {"--method gauss " + file + " >/dev/full", "Standart çıktıya yazılamadı\n"},
             {"--help >/dev/full", "Standart çıktıya yazılamadı\n"},
             {"--version >/dev/full", "Standart çıktıya yazılamadı\n"},
             {"--picture /dev/full " + file + " >/dev/null", "Resim kaydedilemedi: /dev/full: diskte yer kalmadı\n"},
             // A line break in the name does not split the message.
             {"--picture " + shellQuote("/yok/a\nb.png") + " " + file + " >/dev/null",
              "Resim kaydedilemedi: /yok/a?b.png: klasör bulunamadı\n"},
         }) {
        std::string cmd = "env -u DISPLAY LC_ALL=C.UTF-8 " + shellQuote(LINEER_EXE) + " 2>&1 " + c.args;
        FILE* p = popen(cmd.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string err;
        char buf[256];
        for (std::size_t r; (r = std::fread(buf, 1, sizeof buf, p)) > 0;) err.append(buf, r);
        int rc = pclose(p);
        ASSERT_TRUE(WIFEXITED(rc)) << c.args;
        EXPECT_EQ(WEXITSTATUS(rc), 2) << c.args;
        EXPECT_EQ(err, c.err) << c.args;
    }
}

}  // namespace
}  // namespace lineer::test
