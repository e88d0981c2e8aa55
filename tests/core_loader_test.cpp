#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "filereader.h"
#include "loader.h"
#include "testhost.h"
#include "writer.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lineer::test {
namespace {

bool sameWorkspace(const Workspace& a, const Workspace& b) {
    return a.n == b.n && a.m == b.m && std::memcmp(&a.A, &b.A, sizeof a.A) == 0 &&
           std::memcmp(&a.x, &b.x, sizeof a.x) == 0;
}

struct GoodFile {
    const char* name;
    std::string content;
    int n, m;
    std::vector<double> values;  // row by row
};

class LoadsTable : public ::testing::TestWithParam<GoodFile> {};

TEST_P(LoadsTable, LoadsTheMatrix) {
    const auto& c = GetParam();
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(c.content))) << (h.messages.empty() ? "" : h.messages[0]);
    EXPECT_TRUE(s.loaded());
    EXPECT_TRUE(h.messages.empty());
    const Workspace& ws = s.workspace();
    ASSERT_EQ(ws.n, c.n);
    ASSERT_EQ(ws.m, c.m);
    std::size_t k = 0;
    for (int i = 1; i <= c.n; ++i)
        for (int j = 1; j <= c.m; ++j) EXPECT_EQ(ws.A(i, j), c.values[k++]) << i << "," << j;
    EXPECT_EQ(h.lines.size(), 2u + c.n);
    EXPECT_EQ(h.lines[0], "Katsayılar matrisi");
}

std::string utf16(const std::string& ascii, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char ch : ascii) {
        if (littleEndian) {
            out.push_back(ch);
            out.push_back('\0');
        } else {
            out.push_back('\0');
            out.push_back(ch);
        }
    }
    return out;
}

const std::vector<double> k123456 = {1, 2, 3, 4, 5, 6};

const std::vector<GoodFile> kGoodFiles = {
        GoodFile{"one_line", "2 3 1 2 3 4 5 6", 2, 3, k123456},
        GoodFile{"commas_and_breaks", "2,3\n1,2,3\n4,5,6\n", 2, 3, k123456},
        GoodFile{"separator_runs", "2 ,, 3,\t1 , 2,,3,\r\n4\t\t5\r\n6,", 2, 3, k123456},
        GoodFile{"windows_line_ends", "2 3\r\n1 2 3\r\n4 5 6\r\n", 2, 3, k123456},
        GoodFile{"whole_number_forms", "2.0 +3e0 1 2 3 4 5 6", 2, 3, k123456},
        GoodFile{"leading_zero_dims", "02 03. 1 2 3 4 5 6", 2, 3, k123456},
        GoodFile{"number_forms", "1 6 .5 5. +3 -1.5E-3 1e2 -0", 1, 6, {0.5, 5, 3, -0.0015, 100, -0.0}},
        GoodFile{"underflow_is_zero", "1 1 1e-400", 1, 1, {0}},
        GoodFile{"rest_never_read", "1 2 7 8 9 garbage \x01\x02 inf", 1, 2, {7, 8}},
        GoodFile{"text_right_after_last_separator", "1 1 4\nthis is not a number", 1, 1, {4}},
        GoodFile{"no_equations", "0 5", 0, 5, {}},
        GoodFile{"no_columns", "3 0 x", 3, 0, {}},
        GoodFile{"utf8_bom", "\xEF\xBB\xBF" "2 3 1 2 3 4 5 6", 2, 3, k123456},
        GoodFile{"utf16le_bom", utf16("2 3\r\n1 2 3\r\n4 5 6\r\n", true), 2, 3, k123456},
        GoodFile{"utf16be_bom", utf16("2,3,1,2,3,4,5,6", false), 2, 3, k123456},
        GoodFile{"largest", "1 2 1.7976931348623157e308 -1.7976931348623157e308", 1, 2,
                 {1.7976931348623157e308, -1.7976931348623157e308}}};

INSTANTIATE_TEST_SUITE_P(Loader, LoadsTable, ::testing::ValuesIn(kGoodFiles),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadFile {
    const char* name;
    std::string content;
    std::string message;
};

class RefusesTable : public ::testing::TestWithParam<BadFile> {};

// Every failure shows its reason and leaves the workspace and the results
// list as they were; the loaded flag ends false.
TEST_P(RefusesTable, ShowsTheReasonAndChangesNothing) {
    const auto& c = GetParam();
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3 1 2 3 4 5 6")));
    s.workspace().x(1) = 42;
    Workspace before = s.workspace();
    auto linesBefore = h.lines;
    EXPECT_FALSE(s.loadFile(tempFile(c.content)));
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0], c.message);
    EXPECT_FALSE(s.loaded());
    EXPECT_TRUE(sameWorkspace(before, s.workspace()));
    EXPECT_EQ(h.lines, linesBefore);
    EXPECT_EQ(h.listClears, 1);
}

const std::string kCount = "Dosyada yeterli sayı yok: ";
const std::string kBad = "Dosyada geçersiz bir değer var: ";
const std::string kRange = "Satır ve sütun sayıları 0 ile 100 arasında tam sayı olmalıdır";

const std::vector<BadFile> kBadFiles = {
        BadFile{"empty", "", kCount + "2 sayı gerekiyor, 0 sayı bulundu"},
        BadFile{"only_separators", " ,\r\n\t,", kCount + "2 sayı gerekiyor, 0 sayı bulundu"},
        BadFile{"only_n", "3", kCount + "2 sayı gerekiyor, 1 sayı bulundu"},
        BadFile{"short_matrix", "2 2 1 2 3", kCount + "6 sayı gerekiyor, 5 sayı bulundu"},
        BadFile{"short_after_n_out_of_range", "500", kCount + "2 sayı gerekiyor, 1 sayı bulundu"},
        BadFile{"fractional_n", "2.5 3 1 2 3 4 5 6 7 8", kRange},
        BadFile{"negative_n", "-1 3", kRange},
        BadFile{"n_above_100", "101 2", kRange},
        BadFile{"m_above_100", "2 101", kRange},
        BadFile{"range_before_coefficients", "200 2 abc", kRange},
        BadFile{"bad_item_before_range", "500 abc", kBad + "\"abc\""},
        BadFile{"letters", "2 2 1 x 3 4", kBad + "\"x\""},
        BadFile{"first_problem_wins", "2 2 1 2 ; 4 abc", kBad + "\";\""},
        BadFile{"inf", "1 1 inf", kBad + "\"inf\""},
        BadFile{"nan", "1 1 NaN", kBad + "\"NaN\""},
        BadFile{"hex", "1 1 0x10", kBad + "\"0x10\""},
        BadFile{"overflow", "1 2 1 1e999",
                "Dosyada çok büyük bir değer var (bir sayı en çok 1.7976931348623157E+308 olabilir): \"1e999\""},
        BadFile{"two_points", "1 1 1.2.3", kBad + "\"1.2.3\""},
        BadFile{"bare_exponent", "1 1 e5", kBad + "\"e5\""},
        BadFile{"exponent_without_digits", "1 1 5e", kBad + "\"5e\""},
        BadFile{"double_sign", "1 1 --5", kBad + "\"--5\""},
        BadFile{"lone_point", "1 1 .", kBad + "\".\""},
        BadFile{"semicolon", "2;2", kBad + "\"2;2\""},
        BadFile{"nul_bytes", std::string("1 1 2\0\0" "3", 8), kBad + "\"2??3\""},
        BadFile{"turkish_letters", "1 1 iki", kBad + "\"iki\""},
        BadFile{"utf8_text", "1 1 \xC3\xBC\xC3\xA7", kBad + "\"üç\""},
        BadFile{"long_item_cut_to_40", "1 1 " + std::string(50, 'a'), kBad + "\"" + std::string(40, 'a') + "\""},
        BadFile{"thousands_of_digits", "1 1 " + std::string(10000, '7'),
                "Dosyada çok uzun bir değer var (bir sayı en çok 4096 karakter olabilir): \"" + std::string(40, '7') + "\""},
        BadFile{"binary_garbage", std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), kBad + "\"?ELF??????\""}};

INSTANTIATE_TEST_SUITE_P(Loader, RefusesTable, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Loader, MissingFileAndFolderCannotBeOpened) {
    TestHost h;
    Session s(h);
    std::string file = tempFile("1 1 1");
    std::string folder = (std::filesystem::path(file).parent_path() / "klasor.txt").string();
    std::filesystem::create_directory(folder);
    std::string missing = file + ".yok";
    // Control characters in a name would break the message's line.
    std::string strange = file + "\nyeni\tsatir\x7f";
    std::string shown = file + "?yeni?satir?";
    // A name that looks like the places of the message's template is shown as it is.
    std::string places = file + ".{1}{0}";
    for (const auto& [p, message] : {std::pair{missing, missing}, std::pair{folder, folder}, std::pair{strange, shown},
                                     std::pair{file + std::string(1, '\0'), file + "?"}, std::pair{places, places}}) {
        h.messages.clear();
        EXPECT_FALSE(s.loadFile(p));
        ASSERT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(h.messages[0], "Dosya açılamadı: " + message);
    }
}

#if !defined(_WIN32)
TEST(Loader, UnreadableFileCannotBeOpened) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    std::string file = tempFile("1 1 1");
    ::chmod(file.c_str(), 0);
    TestHost h;
    Session s(h);
    EXPECT_FALSE(s.loadFile(file));
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0], "Dosya açılamadı: " + file);
}
#endif

// A UTF-8 name with Turkish letters reaches the file, for reading and for
// saving (on Windows through the wide-character interface).
TEST(Loader, PathWithTurkishLetters) {
    const auto folder = std::filesystem::path(tempFile("")).parent_path() / std::filesystem::path(u8"Çözümler");
    std::filesystem::create_directory(folder);
    const auto file = folder / std::filesystem::path(u8"örnek.txt");
    std::ofstream(file, std::ios::binary) << "1 2 3 4";
    const std::u8string u8 = file.u8string();
    const std::string path(u8.begin(), u8.end());
    ASSERT_NE(path.find("Çözümler"), std::string::npos);
    TestHost h;
    Session s(h);
    EXPECT_TRUE(s.loadFile(path)) << (h.messages.empty() ? "" : h.messages[0]);
    EXPECT_EQ(s.workspace().A(1, 2), 4);
    ASSERT_TRUE(saveCoefficientFile(path, 1, 1, {7.5}).ok);
    EXPECT_TRUE(s.loadFile(path));
    EXPECT_EQ(s.workspace().A(1, 1), 7.5);
}

// The bytes of a text handed out in reads of the given sizes, in turn; a
// read error after `failAt` bytes.
class SplitSource : public ByteSource {
public:
    SplitSource(std::string bytes, std::vector<std::size_t> sizes, std::size_t failAt = std::string::npos)
        : bytes_(std::move(bytes)), sizes_(std::move(sizes)), failAt_(failAt) {}
    long long read(char* buf, std::size_t size) override {
        if (pos_ >= failAt_) return -1;
        std::size_t n = std::min({size, sizes_[turn_++ % sizes_.size()], bytes_.size() - pos_, failAt_ - pos_});
        std::memcpy(buf, bytes_.data() + pos_, n);
        pos_ += n;
        return static_cast<long long>(n);
    }

private:
    std::string bytes_;
    std::vector<std::size_t> sizes_;
    std::size_t failAt_, pos_ = 0, turn_ = 0;
};

// Every example and every file of the two tables above loads the same,
// workspace and message, however the reads split the bytes.
TEST(Loader, SameResultUnderAnySplitOfReads) {
    std::vector<std::string> contents;
    for (const auto& f : kGoodFiles) contents.push_back(f.content);
    for (const auto& f : kBadFiles) contents.push_back(f.content);
    for (const auto& e : std::filesystem::directory_iterator(LINEER_EXAMPLES)) {
        std::ifstream in(e.path(), std::ios::binary);
        contents.push_back((std::ostringstream() << in.rdbuf()).str());
    }
    std::mt19937 rng(7);
    std::vector<std::size_t> randomSizes(50);
    for (auto& n : randomSizes) n = std::uniform_int_distribution<std::size_t>(1, 9)(rng);
    const std::vector<std::vector<std::size_t>> splits = {{1}, {2}, {1, 2}, {2, 1, 1}, {3, 1}, randomSizes};
    for (const std::string& content : contents) {
        const std::string path = tempFile(content);
        Workspace whole;
        const LoadResult expected = loadCoefficientFile(path, whole);
        for (const auto& sizes : splits) {
            SplitSource source(content, sizes);
            Workspace split;
            const LoadResult r = loadCoefficients(source, path, split);
            EXPECT_EQ(r.ok, expected.ok) << content.substr(0, 40);
            EXPECT_EQ(r.message, expected.message) << content.substr(0, 40);
            EXPECT_TRUE(sameWorkspace(split, whole)) << content.substr(0, 40);
        }
    }
}

// A read error before the matrix is complete is a file that cannot be read;
// after it, the matrix stands.
TEST(Loader, ReadErrorMidFile) {
    const std::string content = "2 2 1 2 3 4";
    for (std::size_t failAt : {std::size_t(0), std::size_t(6), content.size()}) {
        SplitSource source(content, {1}, failAt);
        Workspace ws;
        const LoadResult r = loadCoefficients(source, "a\nb.txt", ws);
        EXPECT_EQ(r.ok, failAt == content.size()) << failAt;
        EXPECT_EQ(r.message, r.ok ? "" : "Dosya açılamadı: a?b.txt") << failAt;
    }
}

// Cells outside the new block keep what they held.
TEST(Loader, CellsAreNeverCleared) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("4 5\n1 2 3 4 5\n6 7 8 9 10\n11 12 13 14 15\n16 17 18 19 20\n")));
    ASSERT_TRUE(s.loadFile(tempFile("2 3\n-1 -2 -3\n-4 -5 -6\n")));
    const Workspace& ws = s.workspace();
    EXPECT_EQ(ws.A(1, 1), -1);
    EXPECT_EQ(ws.A(2, 3), -6);
    EXPECT_EQ(ws.A(3, 1), 11);
    EXPECT_EQ(ws.A(1, 4), 4);
    EXPECT_EQ(ws.A(4, 5), 20);
    std::vector<std::string> expected = {"Katsayılar matrisi", " ", row({"-1.0000", "-2.0000", "-3.0000"}),
                                         row({"-4.0000", "-5.0000", "-6.0000"})};
    EXPECT_EQ(h.lines, expected);
}

TEST(Loader, SameFileTwiceGivesTheSameList) {
    TestHost h;
    Session s(h);
    std::string f = tempFile("2 2 1 0 0 1");
    ASSERT_TRUE(s.loadFile(f));
    auto once = h.lines;
    ASSERT_TRUE(s.loadFile(f));
    EXPECT_EQ(h.lines, once);
    EXPECT_TRUE(s.loaded());
}

TEST(Loader, NoEquationsListsOnlyTheHeading) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("0 0")));
    EXPECT_EQ(h.lines, (std::vector<std::string>{"Katsayılar matrisi", " "}));
    EXPECT_TRUE(s.loaded());
}

// The file is read only as far as the matrix goes: a large tail costs nothing.
TEST(Loader, ReadsOnlyAsFarAsTheMatrix) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "emscripten's file system keeps only the low 32 bits of a length to truncate to";
#endif
    std::string file = tempFile("1 1 5\n");
    // A sparse 4 GiB tail of NUL bytes: reading it would take seconds.
    std::filesystem::resize_file(file, 4ULL << 30);
    TestHost h;
    Session s(h);
    EXPECT_TRUE(s.loadFile(file));
    EXPECT_EQ(s.workspace().A(1, 1), 5);
    std::filesystem::remove(file);
}

TEST(FileNumber, Syntax) {
    double v = 0;
    for (const char* good : {"0", "-0", "+1", "1.", ".1", "1.5e3", "1.5E-3", "1e+2", "007", "1E0"})
        EXPECT_TRUE(parseFileNumber(good, v)) << good;
    for (const char* bad : {"", "+", "-", ".", "e1", "1e", "1e+", "1..2", "1.2.3", "1,5", "0x1", "inf", "nan",
                            "1d5", "1 2", "++1", "1e1.5", "1e400"})
        EXPECT_FALSE(parseFileNumber(bad, v)) << bad;
    ASSERT_TRUE(parseFileNumber("-1.5E-3", v));
    EXPECT_EQ(v, -0.0015);
}

}  // namespace
}  // namespace lineer::test
