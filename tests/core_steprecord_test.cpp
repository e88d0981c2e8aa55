// The steps a step-by-step view reads: recorded from the run itself, so
// they show what the results list shows, and watching changes no line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "steprecord.h"
#include "testhost.h"

namespace lineer {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Watched {
    test::TestHost host;
    Session session{host};
    StepRecord record;

    explicit Watched(Option option, const char* file = "uc-denklem.txt", bool watch = true) {
        if (watch) session.watchSteps(&record);
        EXPECT_TRUE(session.loadFile(std::string(LINEER_EXAMPLES) + "/" + file));
        host.selected = option;
        session.hesapla(host.request());
    }
    // The listings of the results list, each a block of matrix rows.
    std::vector<Rows> listings() const {
        std::vector<Rows> blocks;
        bool inBlock = false;
        for (const ResultLine& line : host.results) {
            if (line.kind != LineKind::MatrixRow) {
                inBlock = false;
                continue;
            }
            if (!inBlock) blocks.emplace_back();
            inBlock = true;
            std::vector<std::string> cells;
            for (std::size_t k = 0; k < line.cells.size(); ++k) cells.emplace_back(line.cell(k));
            blocks.back().push_back(cells);
        }
        return blocks;
    }
    Rows gridAt(std::size_t step, int grid = 0) const {
        const GridCells g = record.cellsAt(step)[static_cast<std::size_t>(grid)];
        Rows rows(static_cast<std::size_t>(g.rows));
        for (int i = 1; i <= g.rows; ++i)
            for (int j = 1; j <= g.cols; ++j) rows[static_cast<std::size_t>(i - 1)].push_back(g.at(i, j));
        return rows;
    }
};

TEST(StepRecord, GaussJordanShowsAtEachStepTheListingThatFollowsIt) {
    const Watched w(Option::LesGaussJordan);
    // The load lists the matrix; then every exchange, division and
    // elimination is listed once.
    const std::vector<Rows> listed = w.listings();
    ASSERT_EQ(w.record.steps().size(), listed.size());
    for (std::size_t k = 0; k < listed.size(); ++k) EXPECT_EQ(w.gridAt(k), listed[k]) << "step " << k;
}

TEST(StepRecord, GaussStartsFromTheListedMatrixAndEndsAtTheTriangle) {
    const Watched w(Option::LesGauss);
    const std::vector<Rows> listed = w.listings();  // as loaded, the triangle
    ASSERT_EQ(listed.size(), 2u);
    ASSERT_EQ(w.record.steps().size(), 3u);  // the start and two eliminations
    EXPECT_EQ(w.gridAt(0), listed[0]);
    EXPECT_EQ(w.gridAt(0)[0], (std::vector<std::string>{"2.0000", "1.0000", "-1.0000", "8.0000"}));
    EXPECT_EQ(w.gridAt(2), listed[1]);
    const RecordedStep& first = w.record.steps()[1];
    EXPECT_EQ(first.pivotRow, 1);
    EXPECT_EQ(first.rows, (std::vector<int>{2, 3}));
    EXPECT_EQ(first.multipliers, (std::vector<std::string>{"-1.5000", "-1.0000"}));
    EXPECT_EQ(w.record.grids()[0].bar, 4);
}

// Every method, watched or not, lists the same lines; a watched run that
// gets past its checks records more than its start.
TEST(StepRecord, WatchingChangesNoLineOfAnyMethod) {
    struct Case {
        Option option;
        const char* file;
        std::size_t atLeast;
    };
    const Case cases[] = {
        {Option::DetGauss, "uc-denklem.txt", 3},        {Option::DetPivot, "uc-denklem.txt", 3},
        {Option::InvScrobanski, "uc-denklem.txt", 4},   {Option::LesGauss, "uc-denklem.txt", 3},
        {Option::LesMPGauss, "uc-denklem.txt", 3},      {Option::LesGaussJordan, "uc-denklem.txt", 7},
        {Option::LesDoolittle, "uc-denklem.txt", 4},    {Option::LesCrout, "uc-denklem.txt", 4},
        {Option::LesThomas, "ucgen-bantli.txt", 3},     {Option::LesJacobi, "kosegen-baskin.txt", 3},
        {Option::LesGaussSidel, "kosegen-baskin.txt", 3}, {Option::LesSOR, "kosegen-baskin.txt", 3},
        {Option::LesSORTextbook, "kosegen-baskin.txt", 3}, {Option::LesGaussPivot, "uc-denklem.txt", 3},
        {Option::LesCompletePivot, "uc-denklem.txt", 3}, {Option::LesLUPivot, "uc-denklem.txt", 4},
        {Option::LesCholesky, "kosegen-baskin.txt", 1}, {Option::DetPivot, "buyuk-100.txt", 50},
    };
    for (const Case& c : cases) {
        const Watched watched(c.option, c.file), unwatched(c.option, c.file, false);
        EXPECT_EQ(watched.host.lines, unwatched.host.lines) << c.file << " " << static_cast<int>(c.option);
        EXPECT_GE(watched.record.steps().size(), c.atLeast) << c.file << " " << static_cast<int>(c.option);
    }
}

}  // namespace
}  // namespace lineer
