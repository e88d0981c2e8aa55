// The largest transcript the command line writes (Gauss-Jordan on the
// 100 x 100 example, some twenty megabytes) goes out in blocks while the
// method runs; no line may be lost, doubled or split at a block boundary.

#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

TEST(CliLarge, GaussJordanOnTheLargestMatrixIsWrittenWhole) {
    CliResult r = runLineer({"--method", "gauss-jordan", examplePath("buyuk-100.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.back(), '\n');
    const auto lines = r.lines();
    ASSERT_GT(r.out.size(), 4u << 20);  // several output blocks
    ASSERT_EQ(lines[0], "Katsayılar matrisi");
    // After the heading: listings only, each " " and 100 rows of 100 cells.
    ASSERT_EQ((lines.size() - 1) % 101, 0u) << lines.size();
    const std::size_t listings = (lines.size() - 1) / 101;
    // Every column is normalised and eliminated: at least two listings
    // per column besides the load listing.
    EXPECT_GE(listings, 1u + 2u * 100u);
    for (std::size_t b = 0; b < listings; ++b) {
        const std::size_t at = 1 + b * 101;
        ASSERT_EQ(lines[at], " ") << "listing " << b;
        for (std::size_t k = 1; k <= 100; ++k)
            ASSERT_EQ(cellCount(lines[at + k]), 100) << "listing " << b << " row " << k << ": " << lines[at + k];
    }
    // The last listing is the reduced matrix: ones on the diagonal.
    const std::string& lastFirstRow = lines[lines.size() - 100];
    EXPECT_EQ(lastFirstRow.rfind("1.0000   ", 0), 0u) << lastFirstRow.substr(0, 40);
}

}  // namespace
}  // namespace lineer::test
