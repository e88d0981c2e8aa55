// Runs the real executable and compares stdout, stderr and the exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    std::string out, err;
    int status = -1;
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::istringstream s(out);
        for (std::string l; std::getline(s, l);) v.push_back(l);
        return v;
    }
};

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string quote(const std::string& a) {
    std::string q = "'";
    for (char c : a) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs lineer with the arguments, in the given environment prefix.
Result lineer(const std::vector<std::string>& args, const std::string& env = "LC_ALL=C.UTF-8") {
    static int counter = 0;
    std::string base = std::filesystem::temp_directory_path() / ("lineer-cli-" + std::to_string(getpid()) + "-" +
                                                                 std::to_string(++counter));
    std::string cmd = "env -u DISPLAY -u LANG -u LC_ALL -u LC_NUMERIC " + env + " " + quote(LINEER_EXE);
    for (const auto& a : args) cmd += " " + quote(a);
    cmd += " >" + base + ".out 2>" + base + ".err </dev/null";
    int rc = std::system(cmd.c_str());
    Result r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = slurp(base + ".out");
    r.err = slurp(base + ".err");
    std::filesystem::remove(base + ".out");
    std::filesystem::remove(base + ".err");
    return r;
}

std::string example(const std::string& name) { return std::string(LINEER_EXAMPLES) + "/" + name; }

TEST(Cli, GaussOnTheThreeEquationExample) {
    Result r = lineer({"--method", "gauss", example("uc-denklem.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> expected = {
        "Katsayılar matrisi",
        " ",
        "2.0000   1.0000   -1.0000   8.0000   ",
        "-3.0000   -1.0000   2.0000   -11.0000   ",
        "-2.0000   1.0000   2.0000   -3.0000   ",
        " ",
        "Üst-üçgenselleştirilmiş matris",
        " ",
        "2.0000   1.0000   -1.0000   8.0000   ",
        " 0.         0.5000   0.5000   1.0000   ",
        " 0.          0.         -1.0000   1.0000   ",
        " ",
        "Lineer denklem takımının kökleri",
        " ",
        " x(1) = 2.0000",
        " x(2) = 3.0000",
        " x(3) = -1.0000",
    };
    EXPECT_EQ(r.lines(), expected);
}

}  // namespace
