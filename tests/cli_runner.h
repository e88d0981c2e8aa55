#pragma once
// Runs the real lineer executable and captures stdout, stderr and the exit
// status.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lineer::test {

struct CliResult {
    std::string out, err;
    int status = -1;

    std::vector<std::string> lines() const { return split(out); }
    std::vector<std::string> errLines() const { return split(err); }

    static std::vector<std::string> split(const std::string& text) {
        std::vector<std::string> v;
        std::istringstream s(text);
        for (std::string l; std::getline(s, l);) v.push_back(l);
        return v;
    }
};

inline std::string slurpFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::string shellQuote(const std::string& a) {
    std::string q = "'";
    for (char c : a) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs lineer with the arguments and the given environment assignments, with
// no display and no inherited locale.
inline CliResult runLineer(const std::vector<std::string>& args, const std::string& env = "LC_ALL=C.UTF-8") {
    static int counter = 0;
    std::string base = (std::filesystem::temp_directory_path() /
                        ("lineer-cli-" + std::to_string(getpid()) + "-" + std::to_string(++counter)))
                           .string();
    std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u LANG -u LC_ALL -u LC_NUMERIC -u LANGUAGE " + env + " " +
                      shellQuote(LINEER_EXE);
    for (const auto& a : args) cmd += " " + shellQuote(a);
    cmd += " >" + base + ".out 2>" + base + ".err </dev/null";
    int rc = std::system(cmd.c_str());
    CliResult r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = slurpFile(base + ".out");
    r.err = slurpFile(base + ".err");
    std::filesystem::remove(base + ".out");
    std::filesystem::remove(base + ".err");
    return r;
}

inline std::string examplePath(const std::string& name) { return std::string(LINEER_EXAMPLES) + "/" + name; }

}  // namespace lineer::test
