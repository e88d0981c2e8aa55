// The catalogue is the one place of the texts: every key is used, and no
// other source file holds a Turkish text.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "transcripts.h"

namespace lineer::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = LINEER_SOURCE_DIR;

// Where Turkish texts belong: the catalogue.
bool holdsTexts(const std::string& file) { return file.starts_with("texts/"); }

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every C++ file under src/, by its path relative to src/.
std::vector<std::pair<std::string, std::string>> sources() {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(kSource)) {
        const std::string ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".cpp" || ext == ".h"))
            files.emplace_back(e.path().lexically_relative(kSource).generic_string(), read(e.path()));
    }
    return files;
}

struct Literal {
    int line;
    std::string text;
};

// The string literals of a C++ source, raw ones included; comments and
// character literals are skipped.
std::vector<Literal> stringLiterals(const std::string& s) {
    std::vector<Literal> out;
    int line = 1;
    auto skipTo = [&](std::size_t& i, const std::string& end) {
        const std::size_t at = s.find(end, i);
        const std::size_t stop = at == std::string::npos ? s.size() : at + end.size();
        for (; i < stop; ++i) line += s[i] == '\n';
    };
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (s.compare(i, 2, "//") == 0) {
            skipTo(i, "\n");
        } else if (s.compare(i, 2, "/*") == 0) {
            skipTo(i, "*/");
        } else if (c == '"' && i > 0 && s[i - 1] == 'R') {
            const std::size_t open = s.find('(', i);
            const std::string end = ")" + s.substr(i + 1, open - i - 1) + "\"";
            const int at = line;
            const std::size_t from = open + 1;
            skipTo(i, end);
            out.push_back({at, s.substr(from, i - from - end.size())});
        } else if (c == '"' || (c == '\'' && !(i > 0 && std::isalnum(static_cast<unsigned char>(s[i - 1]))))) {
            std::string text;
            for (++i; i < s.size() && s[i] != c; ++i) {
                if (s[i] == '\\') text.push_back(s[i++]);
                text.push_back(s[i]);
            }
            ++i;
            if (c == '"') out.push_back({line, text});
        } else {
            line += c == '\n';
            ++i;
        }
    }
    return out;
}

// Whether `code` names Text::key (and not only a longer key that begins so).
bool usesKey(const std::string& code, const std::string& key) {
    const std::string name = "Text::" + key;
    for (std::size_t at = code.find(name); at != std::string::npos; at = code.find(name, at + 1)) {
        const char next = at + name.size() < code.size() ? code[at + name.size()] : ' ';
        if (!std::isalnum(static_cast<unsigned char>(next)) && next != '_') return true;
    }
    return false;
}

TEST(Catalogue, NoOtherFileHoldsATurkishText) {
    std::vector<std::string> found;
    for (const auto& [file, content] : sources()) {
        if (holdsTexts(file)) continue;
        for (const Literal& l : stringLiterals(content))
            if (hasTurkishLetter(l.text)) found.push_back(file + ":" + std::to_string(l.line) + ": \"" + l.text + "\"");
    }
    EXPECT_EQ(found, std::vector<std::string>{});
}

TEST(Catalogue, EveryKeyIsUsed) {
    std::string code;
    for (const auto& [file, content] : sources())
        if (file != "texts/catalogue.h") code += content;
    // The browser edition's page names the texts it shows by their keys, in
    // its HTML (data-t="Key") and its script (T('Key')).
    static const std::regex named(R"([\"']([A-Z][A-Za-z]+)[\"'])");
    for (const auto& e : fs::directory_iterator(kSource / "web" / "site")) {
        const std::string page = read(e.path());
        for (auto m = std::sregex_iterator(page.begin(), page.end(), named); m != std::sregex_iterator(); ++m)
            code += " Text::" + (*m)[1].str() + " ";
    }
    const std::string catalogue = read(kSource / "texts" / "catalogue.h");
    static const std::regex row(R"(\{Text::(\w+),)");
    std::vector<std::string> unused;
    int rows = 0;
    for (auto m = std::sregex_iterator(catalogue.begin(), catalogue.end(), row); m != std::sregex_iterator(); ++m) {
        ++rows;
        if (!usesKey(code, (*m)[1])) unused.push_back((*m)[1]);
    }
    EXPECT_GT(rows, 100);
    EXPECT_EQ(unused, std::vector<std::string>{});
}

// The scanner itself, on the forms the sources use.
TEST(Catalogue, LiteralsAreFoundOutsideComments) {
    const std::string code =
        "// \"yorum ş\"\n"
        "/* \"ç\" */ char c = 'ş'; int n = 1'000;\n"
        "f(\"a\\\"ğ\", R\"x(b)\"ı)x\");\n";
    const std::vector<Literal> found = stringLiterals(code);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].line, 3);
    EXPECT_EQ(found[0].text, "a\\\"ğ");
    EXPECT_EQ(found[1].text, "b)\"ı");
    EXPECT_TRUE(hasTurkishLetter("\\u0131"));
    EXPECT_FALSE(hasTurkishLetter("Hesapla \\u2212"));
}

}  // namespace
}  // namespace lineer::test
