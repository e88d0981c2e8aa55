#pragma once
// Helpers for the method tests: a session that outlives the run, so the
// workspace can be inspected, and builders for expected transcripts.

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "testhost.h"

namespace lineer::test {

struct Fixture {
    TestHost host;
    Session session;

    explicit Fixture(std::string decimal = ".") : session(host, std::move(decimal)) {}

    // Loads `content`, runs `option`, returns the lines the method appended.
    std::vector<std::string> run(const std::string& content, Option option) {
        EXPECT_TRUE(session.loadFile(tempFile(content)));
        std::size_t before = host.lines.size();
        host.selected = option;
        session.hesapla(host.request());
        return {host.lines.begin() + static_cast<long>(before), host.lines.end()};
    }
    const Workspace& ws() const { return session.workspace(); }
};

// A roots block with already formatted values.
inline std::vector<std::string> roots(const std::string& heading, const std::vector<std::string>& values) {
    std::vector<std::string> v = {heading, " "};
    for (std::size_t i = 0; i < values.size(); ++i) v.push_back(" x(" + std::to_string(i + 1) + ") = " + values[i]);
    return v;
}

inline std::vector<std::string> cat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The coefficient file of a matrix given row by row, every value exact.
inline std::string file(const std::vector<std::vector<double>>& rows) {
    std::string s = std::to_string(rows.size()) + " " + std::to_string(rows.empty() ? 0 : rows[0].size()) + "\n";
    char b[40];
    for (const auto& r : rows) {
        for (double v : r) {
            std::snprintf(b, sizeof b, "%.17g ", v);
            s += b;
        }
        s += "\n";
    }
    return s;
}

}  // namespace lineer::test
