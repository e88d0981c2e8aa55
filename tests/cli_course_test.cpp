// The course's methods, the iterations' start and tolerance and the
// exercises on the command line: exit statuses, messages, the help in both
// languages, an exercise and its key written as a teacher would.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lineer::test {
namespace {

std::string tempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("lineer-course-" + std::to_string(getpid()) + "-" + name))
        .string();
}

std::string fileWith(const std::string& name, const std::string& content) {
    const std::string path = tempPath(name);
    std::ofstream(path) << content;
    return path;
}

TEST(CliCourse, StatusesAndMessages) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;  // its first line
    };
    const std::string three = examplePath("uc-denklem.txt");
    const std::string kosegen = examplePath("kosegen-baskin.txt");
    const std::string notSymmetric = fileWith("ns.txt", "2 3\n1 2 1\n3 1 1\n");
    const Case cases[] = {
        {{"--method", "gauss-pivot", three}, 0, ""},
        {{"--method", "complete-pivot", examplePath("sifir-pivot.txt")}, 0, ""},
        {{"--method", "lu-pivot", three}, 0, ""},
        {{"--method", "det-pivot", examplePath("sifir-pivot.txt")}, 0, ""},
        {{"--method", "cholesky", examplePath("ucgen-bantli.txt")}, 0, ""},
        {{"--method", "cholesky", notSymmetric}, 1, "Matris simetrik değil: A(1,2) = 2, ama A(2,1) = 3"},
        {{"--method", "jacobi", "--x0", "0 0", kosegen}, 1,
         "Başlangıç vektörünün 2 bileşeni var: 4 denklem için 1 ya da 4 olmalı"},
        {{"--method", "jacobi", "--x0", "0 x", kosegen}, 2, "lineer: --x0 boşlukla ayrılmış sayılar ister: 0 x"},
        {{"--method", "jacobi", "--x0", "", kosegen}, 2, "lineer: --x0 boşlukla ayrılmış sayılar ister: "},
        {{"--method", "jacobi", "--x0", "1e999", kosegen}, 2, "lineer: --x0 boşlukla ayrılmış sayılar ister: 1e999"},
        {{"--method", "jacobi", "--tol", "0", kosegen}, 2, "lineer: --tol pozitif bir sayı ister: 0"},
        {{"--method", "jacobi", "--tol", "1e-3x", kosegen}, 2, "lineer: --tol pozitif bir sayı ister: 1e-3x"},
        {{"--method", "jacobi", "--tol"}, 2, "lineer: --tol bir metin ister"},
        {{"--generate", "dominant"}, 2, "lineer: --generate bir tür ve bir denklem sayısı ister: --generate TÜR N"},
        {{"--generate", "band", "3"}, 2,
         "lineer: bilinmeyen alıştırma türü: band (integer, dominant, spd, tridiagonal ya da hilbert)"},
        {{"--generate", "spd", "100"}, 2, "lineer: denklem sayısı 1 ile 99 arasında bir tam sayı olmalı: 100"},
        {{"--generate", "spd", "3", "--seed", "-1"}, 2,
         "lineer: --seed 0 ile 18446744073709551615 arasında bir tam sayı ister: -1"},
        {{"--generate", "spd", "3", three}, 2, "lineer: --generate ile yalnızca --seed ve --answers verilebilir: " + three},
        {{"--generate", "spd", "3", "--answers", "/yok/cevap.txt"}, 2, "Cevaplar kaydedilemedi: /yok/cevap.txt: klasör bulunamadı"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CliResult r = runLineer(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.errLines().empty() ? std::string() : r.errLines()[0], c.err);
        if (c.status == 2) EXPECT_EQ(r.out, "");
    }
    std::filesystem::remove(notSymmetric);
}

// A sheet of exercises in one line of shell: each seed its own system, the
// same seed the same bytes, its key beside it; the system is solved by the
// program to the key's roots.
TEST(CliCourse, ExercisesAndTheirKeys) {
    const std::string key = tempPath("key.txt"), sheet = tempPath("sheet.txt");
    const CliResult first = runLineer({"--generate", "integer", "4", "--seed", "12", "--answers", key});
    const CliResult again = runLineer({"--generate", "integer", "4", "--seed", "12"});
    const CliResult other = runLineer({"--generate", "integer", "4", "--seed", "13"});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
    std::ofstream(sheet) << first.out;
    const CliResult solved = runLineer({"--method", "gauss", sheet});
    ASSERT_EQ(solved.status, 0);
    const std::vector<std::string> keyLines = CliResult::split(slurpFile(key));
    ASSERT_GE(keyLines.size(), 9u);
    EXPECT_EQ(keyLines[0], "Alıştırmanın cevapları: integer, 4 denklem, tohum 12");
    const std::vector<std::string> lines = solved.lines();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[lines.size() - 4 + i], keyLines[4 + i] + ".0000") << i;
    std::filesystem::remove(key);
    std::filesystem::remove(sheet);
}

TEST(CliCourse, HelpListsTheCourseInBothLanguages) {
    const CliResult tr = runLineer({"--help"});
    const CliResult en = runLineer({"--help", "--lang", "en"});
    for (const char* name : {"gauss-pivot", "complete-pivot", "lu-pivot", "cholesky", "det-pivot"}) {
        EXPECT_TRUE(std::regex_search(tr.out, std::regex(std::string("\n  ") + name + "  +[^ ]"))) << name;
        EXPECT_TRUE(std::regex_search(en.out, std::regex(std::string("\n  ") + name + "  +[^ ]"))) << name;
    }
    for (const char* option : {"--x0", "--tol", "--generate", "--seed", "--answers"}) {
        EXPECT_NE(tr.out.find(option), std::string::npos) << option;
        EXPECT_NE(en.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(en.out.find("Methods as textbooks teach them"), std::string::npos);
    EXPECT_FALSE(std::regex_search(en.out, std::regex("ç|ğ|ı|İ|ö|ş|ü|Ç|Ğ|Ö|Ş|Ü")));
}

}  // namespace
}  // namespace lineer::test
