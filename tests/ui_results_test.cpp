// The results list: batches, the widest line, copying, and a long run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "resultslist.h"

namespace lineer::uitest {
namespace {

using ui::ResultsModel;
using ui::ResultsView;

struct ResultsTest : ::testing::Test {
    ResultsView view;
    ResultsModel* model = view.results();
    void SetUp() override {
        view.resize(545, 147);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

TEST_F(ResultsTest, LinesReachTheViewInBatchesAndInOrder) {
    int inserts = 0;
    QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    const int total = static_cast<int>(ResultsModel::kBatch) * 2 + 10;
    for (int i = 0; i < total; ++i) model->append("satır " + std::to_string(i));
    EXPECT_EQ(inserts, 2);  // two full batches so far
    EXPECT_EQ(model->rowCount(), static_cast<int>(ResultsModel::kBatch) * 2);
    model->flush();
    EXPECT_EQ(inserts, 3);
    ASSERT_EQ(model->rowCount(), total);
    for (int i : {0, 1, 4095, 4096, total - 1})
        EXPECT_EQ(model->data(model->index(i), Qt::DisplayRole).toString().toStdString(),
                  "satır " + std::to_string(i));
    model->flush();
    EXPECT_EQ(inserts, 3);  // nothing pending, nothing inserted
    model->clear();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(model->lineCount(), 0u);
}

TEST_F(ResultsTest, EveryRowIsAsWideAsTheWidestLine) {
    const QFontMetrics fm(view.font());
    model->append("kısa");
    model->flush();
    const int shortWidth = model->data(model->index(0), Qt::SizeHintRole).toSize().width();
    // A wider line in a later batch widens the rows already shown.
    const std::string wide = "ğüşiöç" + std::string(300, 'x');
    model->append("orta uzunlukta");
    model->append(wide);
    model->append("son");
    model->flush();
    const int wideWidth = fm.horizontalAdvance(QString::fromStdString(wide));
    for (int r = 0; r < model->rowCount(); ++r)
        EXPECT_GE(model->data(model->index(r), Qt::SizeHintRole).toSize().width(), wideWidth) << r;
    EXPECT_LT(shortWidth, wideWidth);
    // Scrolling right reaches the end of the widest line.
    QCoreApplication::processEvents();
    view.doItemsLayout();
    const QScrollBar* h = view.horizontalScrollBar();
    EXPECT_GE(h->maximum() + view.viewport()->width(), wideWidth);
}

TEST_F(ResultsTest, CtrlCCopiesTheSelectedLineAndTheMenuCopiesAll) {
    for (const char* l : {"Katsayılar matrisi", " ", "2.0000   1.0000   "}) model->append(l);
    model->flush();
    QApplication::clipboard()->setText("önce");
    // Nothing selected: nothing copied.
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "önce");
    view.setCurrentIndex(model->index(2));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "2.0000   1.0000   ");

    // The context menu offers "Kopyala" for the clicked line and "Tümünü
    // kopyala".
    struct Case {
        int entry, row;
        const char* copied;
    };
    const Case cases[] = {{0, 0, "Katsayılar matrisi"}, {0, 2, "2.0000   1.0000   "},
                          {1, 0, "Katsayılar matrisi\n \n2.0000   1.0000   \n"}};
    for (const Case& c : cases) {
        std::vector<std::string> entries;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* a : menu->actions()) entries.push_back(a->text().toStdString());
            menu->actions().value(c.entry)->trigger();
            menu->close();
        });
        const QPoint at = view.visualRect(model->index(c.row)).center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &e);
        EXPECT_EQ(entries, (std::vector<std::string>{"Kopyala", "Tümünü kopyala"}));
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.copied);
    }
}

// About what a 100 x 100 Gauss-Jordan run lists. Every row has the height
// of the first (measuring each one takes far longer), and the end of the
// long lines is reachable. bench/window_bench.cpp times such a list.
TEST_F(ResultsTest, ThirtyThousandLongLinesAreRowsOfOneHeightAndReachableSideways) {
    std::string row;
    for (int j = 0; j < 100; ++j) row += "-123.4567   ";
    for (int i = 0; i < 30000; ++i) model->append(i % 101 == 0 ? std::string(" ") : row);
    model->flush();
    QCoreApplication::processEvents();
    view.scrollToBottom();
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    view.repaint();
    EXPECT_EQ(model->rowCount(), 30000);
    EXPECT_TRUE(view.uniformItemSizes());
    const int width = QFontMetrics(view.font()).horizontalAdvance(QString::fromStdString(row));
    EXPECT_GE(view.horizontalScrollBar()->maximum() + view.viewport()->width(), width);
    model->clear();
    EXPECT_EQ(model->rowCount(), 0);
}

}  // namespace
}  // namespace lineer::uitest
