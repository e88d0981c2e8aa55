// "Adım adım": the view walks a run of the window forward and back and
// shows at each step the matrix the results list shows there.

#include <QAction>
#include <QKeyEvent>

#include "stepview.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using StepViewTest = WindowTest;

using Rows = std::vector<std::vector<std::string>>;

Rows rowsOf(const GridCells& g) {
    Rows rows(static_cast<std::size_t>(g.rows));
    for (int i = 1; i <= g.rows; ++i)
        for (int j = 1; j <= g.cols; ++j) rows[static_cast<std::size_t>(i - 1)].push_back(g.at(i, j));
    return rows;
}

TEST_F(StepViewTest, WalksAGaussRunForwardAndBackShowingTheListedMatrices) {
    auto* open = child<QAction>("Mn_AdimAdim");
    ASSERT_NE(open, nullptr);
    open->trigger();
    auto* view = w->findChild<ui::StepView*>(QStringLiteral("Form_AdimAdim"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->isVisible());

    goTo(writeFile("uc.txt", kThreeEquations));
    calculate("uc.txt", Option::LesGauss);
    // The results list: the matrix as loaded, then the triangle.
    std::vector<Rows> listed;
    const auto* results = w->results()->results();
    bool inBlock = false;
    for (std::size_t i = 0; i < results->lineCount(); ++i) {
        const ResultLine& line = results->at(i);
        if (line.kind != LineKind::MatrixRow) {
            inBlock = false;
            continue;
        }
        if (!inBlock) listed.emplace_back();
        inBlock = true;
        std::vector<std::string> cells;
        for (std::size_t k = 0; k < line.cells.size(); ++k) cells.emplace_back(line.cell(k));
        listed.back().push_back(cells);
    }
    ASSERT_EQ(listed.size(), 2u);
    ASSERT_EQ(view->record().steps().size(), 3u);

    EXPECT_EQ(view->current(), 0u);
    EXPECT_EQ(rowsOf(view->shownCells()[0]), listed[0]);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(view->current(), 1u);
    EXPECT_EQ(str(view->explanation()),
              "1. adım: pivot 2.0000; alttaki her satırdan 1. satırın çarpan katı çıkarılır");
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(rowsOf(view->shownCells()[0]), listed[1]);
    QTest::keyClick(view, Qt::Key_Right);  // no step after the last
    EXPECT_EQ(view->current(), 2u);
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(view->current(), 1u);
    EXPECT_EQ(view->shownCells()[0].at(3, 2), "2.0000");  // row 3 took -1 × row 1
    QTest::mouseClick(child<QPushButton>("Command_Ilk"), Qt::LeftButton);
    EXPECT_EQ(rowsOf(view->shownCells()[0]), listed[0]);

    // The language changes the explanation shown, not the numbers.
    view->next();
    w->findChild<QAction*>(QStringLiteral("Mn_English"))->trigger();
    EXPECT_EQ(str(view->explanation()), "Step 1: pivot 2.0000; each row below takes its multiplier times row 1 away");
    w->findChild<QAction*>(QStringLiteral("Mn_Turkce"))->trigger();
    view->close();
}

// Closed, the view records nothing: the run costs what it did without it.
TEST_F(StepViewTest, ClosedItKeepsNothingOfTheNextRun) {
    goTo(writeFile("uc.txt", kThreeEquations));
    calculate("uc.txt", Option::LesGaussJordan);
    const auto* view = w->findChild<ui::StepView*>(QStringLiteral("Form_AdimAdim"));
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(view->record().steps().empty());
}

}  // namespace
}  // namespace lineer::uitest
