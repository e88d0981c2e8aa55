// Saving a matrix: the file reads back bit for bit, and a failed save
// leaves the old file as it was.

#ifndef _WIN32
#include <unistd.h>
#endif
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include "bitcast.h"
#include "loader.h"
#include "replacefile.h"
#include "testhost.h"
#include "writer.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace lineer::test {
namespace {

namespace fs = std::filesystem;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Writer, RandomMatricesReadBackBitForBit) {
    std::mt19937_64 rng(15);
    const double specials[] = {0.0,
                               -0.0,
                               1e300,
                               -1e300,
                               std::numeric_limits<double>::denorm_min(),
                               -4.9406564584124654e-320,
                               std::numeric_limits<double>::min(),
                               std::nextafter(std::numeric_limits<double>::min(), 0.0),
                               std::numeric_limits<double>::max(),
                               123456789012345678.0,
                               -7.0,
                               0.1 + 0.2};
    for (int trial = 0; trial < 20; ++trial) {
        const int n = trial == 0 ? 100 : static_cast<int>(rng() % 12);
        const int m = trial == 0 ? 100 : static_cast<int>(rng() % 13);
        std::vector<double> values;
        for (int k = 0; k < n * m; ++k) {
            double v;
            switch (rng() % 3) {
                case 0: v = specials[rng() % std::size(specials)]; break;
                case 1: v = static_cast<double>(static_cast<std::int64_t>(rng() % 2001) - 1000); break;
                default:
                    do v = bitCast<double>(rng());
                    while (!std::isfinite(v));
            }
            values.push_back(v);
        }
        const std::string path = tempFile("");
        ASSERT_TRUE(saveCoefficientFile(path, n, m, values).ok);
        Workspace ws;
        ASSERT_TRUE(loadCoefficientFile(path, ws).ok) << contents(path);
        ASSERT_EQ(ws.n, n);
        ASSERT_EQ(ws.m, m);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= m; ++j) {
                const double want = values[static_cast<std::size_t>((i - 1) * m + j - 1)];
                ASSERT_EQ(bitCast<std::uint64_t>(ws.A(i, j)), bitCast<std::uint64_t>(want))
                    << i << "," << j << ": " << shortestText(want);
            }
    }
}

TEST(Writer, OneRowPerLineInShortestTexts) {
    const std::string path = tempFile("eski");
    ASSERT_TRUE(saveCoefficientFile(path, 2, 4, {1, -0.5, 2e-7, 0.1, -11, 1e300, -0.0, 5e-324}).ok);
    EXPECT_EQ(contents(path), "2 4\n1 -0.5 2e-07 0.1\n-11 1e+300 -0 5e-324\n");
}

// Each failure happens at another step: before anything is written, when
// the temporary file is created, and at the final rename. None of them
// touches what was there, nor leaves a temporary file behind.
TEST(Writer, FailedSaveSaysWhyAndKeepsTheOldFile) {
    const fs::path folder = fs::path(tempFile("eski")).parent_path();
    fs::create_directory(folder / "klasor.txt");
    const struct {
        const char* what;
        fs::path target;
        int n, m;
        std::vector<double> values;
        const char* reason;
    } table[] = {
        {"size", folder / "m.txt", 101, 1, std::vector<double>(101, 1.0),
         "satır ve sütun sayıları 0 ile 100 arasında olmalıdır"},
        {"infinity", folder / "m.txt", 1, 1, {HUGE_VAL}, "sonlu olmayan bir değer var"},
        {"no folder", folder / "yok" / "m.txt", 1, 1, {1.0}, "klasör bulunamadı"},
        {"a folder", folder / "klasor.txt", 1, 1, {1.0}, "bu adda bir klasör var"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        const SaveResult r = saveCoefficientFile(row.target.string(), row.n, row.m, row.values);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Dosya kaydedilemedi: " + row.target.string() + " (" + row.reason + ")");
        EXPECT_EQ(contents((folder / "m.txt").string()), "eski");
        EXPECT_TRUE(fs::is_directory(folder / "klasor.txt"));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    }
}

#ifndef _WIN32
// A folder without write permission gives the same reason to every save.
TEST(Writer, AFolderThatRefusesWritingIsNamedOneWay) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const fs::path folder = fs::path(tempFile("eski")).parent_path() / "salt-okunur";
    fs::create_directory(folder);
    std::ofstream(folder / "eski.txt") << "1 1\n2\n";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    for (const char* name : {"yeni.txt", "eski.txt"}) {
        const fs::path target = folder / name;
        const SaveResult r = saveCoefficientFile(target.string(), 1, 1, {1.0});
        EXPECT_EQ(r.message, "Dosya kaydedilemedi: " + target.string() + " (bu klasöre yazılamıyor)");
    }
    fs::permissions(folder, fs::perms::owner_all);
}
#endif

// A replaced file keeps its permissions (on Windows its attributes).
TEST(SavingAFile, TheFileKeepsItsMode) {
    const fs::path file = tempFile("eski");
#ifdef _WIN32
    const std::wstring wide = file.wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (!(attributes & FILE_ATTRIBUTE_HIDDEN)) GTEST_SKIP() << "this file system keeps no attributes";
    EXPECT_EQ(replaceFileContents(file.string(), "yeni"), "");
    EXPECT_EQ(GetFileAttributesW(wide.c_str()), attributes);
#else
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, mode);
    EXPECT_EQ(replaceFileContents(file.string(), "yeni"), "");
    EXPECT_EQ(fs::status(file).permissions(), mode);
#endif
    EXPECT_EQ(contents(file.string()), "yeni");
}

// Saving through a symbolic link replaces the file the link names, and the
// link stays a link.
TEST(SavingAFile, ALinkStaysALinkToTheNewContent) {
    const fs::path folder = fs::path(tempFile("")).parent_path();
    const fs::path old = folder / "hedef" / "eski.png";
    fs::create_directory(folder / "hedef");
    std::ofstream(old, std::ios::binary) << "eski";
    const struct {
        const char* link;
        fs::path names, file;
        bool dangling;
    } table[] = {
        {"bag.png", "hedef/eski.png", old, false},
        {"zincir.png", "bag.png", old, false},
        {"mutlak.png", old, old, false},
        {"yeni.png", "hedef/yeni.png", folder / "hedef" / "yeni.png", true},
    };
    try {
        for (const auto& row : table) fs::create_symlink(row.names, folder / row.link);
    } catch (const fs::filesystem_error& e) {
        GTEST_SKIP() << "no symbolic links here: " << e.what();
    }
    for (const auto& row : table) {
        SCOPED_TRACE(row.link);
        const std::string reason = replaceFileContents((folder / row.link).string(), row.link);
        EXPECT_TRUE(fs::is_symlink(folder / row.link));
        EXPECT_EQ(fs::read_symlink(folder / row.link), row.names);
#ifdef _WIN32
        // A link that names nothing is refused rather than replaced.
        if (row.dangling) {
            EXPECT_FALSE(reason.empty());
            EXPECT_FALSE(fs::exists(row.file));
            continue;
        }
#endif
        EXPECT_EQ(reason, "");
        EXPECT_EQ(contents(row.file.string()), row.link);
    }
    // No temporary file stays behind: the empty m.txt, the folder and the
    // four links; in the folder the files written.
    auto count = [](const fs::path& f) { return std::distance(fs::directory_iterator(f), fs::directory_iterator()); };
    EXPECT_EQ(count(folder), 6);
    EXPECT_EQ(count(folder / "hedef"), fs::exists(table[3].file) ? 2 : 1);
}

}  // namespace
}  // namespace lineer::test
