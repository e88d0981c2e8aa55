// The matrix editor: pasting blocks, refusing what is not a number, and a
// typed system saved, listed, solved and edited again.

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>

#include <cstring>

#include "matrixeditor.h"
#include "matrixgrid.h"
#include "transcripts.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using ui::MatrixEditor;

// Types into the grid as a user does: a key on a cell starts typing into
// it, the following keys go to the cell; "\t" is Tab, "\n" is Enter.
void typeKeys(QTableView* view, const QString& keys) {
    for (QChar c : keys) {
        QWidget* cell = view->indexWidget(view->currentIndex());
        QWidget* target = cell ? cell : view;
        if (c == QLatin1Char('\t'))
            QTest::keyClick(target, Qt::Key_Tab);
        else if (c == QLatin1Char('\n')) {
            QTest::keyClick(target, Qt::Key_Return);
            // Enter leaves the cell once the event loop runs.
            QApplication::processEvents();
        } else
            QTest::keyClick(target, c.toLatin1());
    }
}

// rows x cols distinct numbers, cells joined by `sep`.
QString numbers(int rows, int cols, const QString& sep) {
    QString s;
    for (int i = 0; i < rows; ++i) {
        QStringList row;
        for (int j = 0; j < cols; ++j) row << QString::number(i * 1000 + j) + QStringLiteral(".5");
        s += row.join(sep) + QStringLiteral("\r\n");
    }
    return s;
}

TEST(MatrixEditorPaste, GrowsFromTheCurrentCellUpTo100) {
    const struct {
        const char* what;
        int startN, startM, atRow, atCol;
        QString text;
        int n, m;              // the size after the paste
        int probeRow, probeCol;  // a pasted cell and its text
        const char* probe;
        bool refused;
    } table[] = {
        {"a spreadsheet's 100 x 100 block", 3, 4, 0, 0, numbers(100, 100, "\t"), 100, 100, 99, 98, "99098.5", false},
        {"a text file's 10 x 11 block", 3, 4, 0, 0, numbers(10, 11, QStringLiteral(" , ")), 10, 11, 9, 10, "9010.5",
         false},
        {"a small block at the current cell", 3, 4, 2, 3, QStringLiteral("7 8\n\n9 -1e-3\n"), 4, 5, 3, 4, "-1e-3",
         false},
        {"a spreadsheet's empty cell", 3, 4, 0, 0, QStringLiteral("1\t\t3\n"), 3, 4, 0, 1, "", false},
        {"101 rows", 3, 4, 0, 0, numbers(101, 1, " "), 3, 4, 0, 0, "0", true},
        {"a row crossing column 100", 100, 100, 5, 99, QStringLiteral("1 2"), 100, 100, 5, 99, "0", true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        MatrixEditor ed(QStringLiteral("."));
        std::vector<std::string> messages;
        ed.messageHook = [&](const QString& t) { messages.push_back(str(t)); };
        ed.setMatrix(row.startN, row.startM, std::vector<double>(row.startN * row.startM, 0.0));
        ed.view()->setCurrentIndex(ed.grid()->index(row.atRow, row.atCol));
        ed.pasteText(row.text);
        EXPECT_EQ(ed.grid()->rows(), row.n);
        EXPECT_EQ(ed.grid()->cols(), row.m);
        EXPECT_EQ(ed.rowsBox()->value(), row.n);
        EXPECT_EQ(ed.colsBox()->value(), row.m);
        EXPECT_EQ(str(ed.grid()->text(row.probeRow, row.probeCol)), row.probe);
        EXPECT_EQ(messages.size(), row.refused ? 1u : 0u);
        // A paste is one step back.
        ed.grid()->undoStack()->undo();
        EXPECT_EQ(ed.grid()->rows(), row.startN);
        EXPECT_EQ(ed.grid()->cols(), row.startM);
        EXPECT_EQ(str(ed.grid()->text(row.probeRow, row.probeCol)), "0");
    }
}

TEST(MatrixEditorCells, AnInvalidCellBlocksSavingAndSaysWhy) {
    const struct {
        const char* decimal;
        const char* typed;
        const char* problem;  // empty: the cell is a number
        double value;
    } table[] = {
        {".", "abc", "Satır 1, sütun 2: Sayı değil", 0},
        {".", "", "Satır 1, sütun 2: Boş hücre", 0},
        {".", "1e999", "Satır 1, sütun 2: Sayı çok büyük", 0},
        {".", "1,5", "Satır 1, sütun 2: Ondalık ayıracı olarak nokta yazınız", 0},
        {",", "1,5", "", 1.5},
        {",", "2.25", "", 2.25},
        {".", " -2.5E-3 ", "", -0.0025},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::string(row.decimal) + " [" + row.typed + "]");
        MatrixEditor ed(QString::fromLatin1(row.decimal));
        bool asked = false;
        ed.fileNameHook = [&](const QString&) {
            asked = true;
            return QString();
        };
        ed.grid()->setData(ed.grid()->index(0, 1), QString::fromUtf8(row.typed), Qt::EditRole);
        EXPECT_EQ(str(ed.problemText()), row.problem);
        EXPECT_EQ(ed.saveButton()->isEnabled(), !*row.problem);
        QTest::mouseClick(ed.saveButton(), Qt::LeftButton);
        EXPECT_EQ(asked, !*row.problem);
        if (!*row.problem) {
            EXPECT_EQ(ed.grid()->value(0, 1), row.value);
        }
    }
}

// The arrow keys leave a cell entered by typing; in a cell opened by F2
// they move the text cursor until it stands at the edge.
TEST(MatrixEditorKeys, ArrowKeysMoveAsInASpreadsheet) {
    MatrixEditor ed(QStringLiteral("."));
    ed.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ed));
    QTableView* view = ed.view();
    auto key = [view](Qt::Key k) {
        QWidget* cell = view->indexWidget(view->currentIndex());
        QTest::keyClick(cell ? cell : view, k);
    };
    view->setCurrentIndex(ed.grid()->index(1, 0));
    for (const char* typed : {"-1", "4", "-1", "6"}) {
        typeKeys(view, QString::fromLatin1(typed));
        key(Qt::Key_Right);
    }
    key(Qt::Key_Down);
    QStringList row2;
    for (int j = 0; j < 4; ++j) row2 << ed.grid()->text(1, j);
    EXPECT_EQ(row2.join(' '), QStringLiteral("-1 4 -1 6"));
    EXPECT_TRUE(ed.problemText().isEmpty());

    view->setCurrentIndex(ed.grid()->index(0, 1));
    typeKeys(view, QStringLiteral("12"));
    key(Qt::Key_Up);  // leaves the cell; there is no row above
    key(Qt::Key_F2);
    for (Qt::Key k : {Qt::Key_End, Qt::Key_Left}) key(k);
    typeKeys(view, QStringLiteral("3"));
    EXPECT_EQ(view->currentIndex(), ed.grid()->index(0, 1));
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right}) key(k);
    EXPECT_EQ(str(ed.grid()->text(0, 1)), "132");
    EXPECT_EQ(view->currentIndex(), ed.grid()->index(0, 2));
    EXPECT_EQ(view->indexWidget(ed.grid()->index(0, 1)), nullptr);
}

// A selected invalid cell is drawn in another colour than a selected valid
// one.
TEST(MatrixEditorCells, AnInvalidCellStaysMarkedWhileSelected) {
    MatrixEditor ed(QStringLiteral("."));
    ed.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ed));
    ed.pasteText(QStringLiteral("1\tx\n"));
    QTableView* view = ed.view();
    ASSERT_TRUE(view->selectionModel()->isSelected(ed.grid()->index(0, 1)));
    const QImage shot = view->viewport()->grab().toImage();
    auto colourAt = [&](int col) {
        const QRect r = view->visualRect(ed.grid()->index(0, col));
        return shot.pixelColor(r.left() + 3, r.center().y());
    };
    EXPECT_NE(colourAt(0), colourAt(1));
    EXPECT_GT(colourAt(1).red(), colourAt(1).blue() + 60);
}

TEST(MatrixEditorCells, ShownNumbersReadBackBitForBit) {
    const std::vector<double> values{-3.5, 0.1, -0.0, 5e-324, 1e300, 2e-7, 123456789.125, -1.7976931348623157e308};
    for (const char* decimal : {".", ","}) {
        SCOPED_TRACE(decimal);
        MatrixEditor ed(QString::fromLatin1(decimal));
        ed.setMatrix(2, 4, values);
        EXPECT_EQ(str(ed.grid()->text(0, 0)), std::string("-3") + decimal + "5");
        EXPECT_TRUE(ed.saveButton()->isEnabled());
        const std::vector<double> back = ed.grid()->values();
        ASSERT_EQ(back.size(), values.size());
        EXPECT_EQ(std::memcmp(back.data(), values.data(), values.size() * sizeof(double)), 0);
    }
}

TEST(MatrixEditorPaste, ACopiedBlockPastesBackUnchanged) {
    MatrixEditor ed(QStringLiteral(","));
    ed.setMatrix(2, 3, {1.5, -2, 3e-9, 4, 0.25, -6});
    ed.view()->selectAll();
    ed.copySelection();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1,5\t-2\t3e-09\n4\t0,25\t-6\n"));
    ed.view()->setCurrentIndex(ed.grid()->index(1, 2));
    ed.pasteText(QApplication::clipboard()->text());
    ASSERT_EQ(ed.grid()->rows(), 3);
    ASSERT_EQ(ed.grid()->cols(), 5);
    EXPECT_EQ(ed.grid()->value(1, 2), 1.5);
    EXPECT_EQ(ed.grid()->value(2, 3), 0.25);
}

using MatrixEditorWindow = WindowTest;

TEST_F(MatrixEditorWindow, ATypedSystemIsSavedListedSolvedAndEditedAgain) {
    goTo(dir.path());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w->windowHandle(), Qt::Key_N, Qt::ControlModifier);
    auto* ed = w->findChild<MatrixEditor*>();
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(str(ed->windowTitle()), "Yeni matris");
    typeKeys(ed->view(), QStringLiteral("2\t1\t-1\t8\t-3\t-1\t2\t-11\t-2\t1\t2\t-3\n"));
    const QStringList headers{"x1", "x2", "x3", "sağ taraf"};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(ed->grid()->headerData(j, Qt::Horizontal, Qt::DisplayRole).toString(), headers[j]);
    QString suggested;
    ed->fileNameHook = [&](const QString& s) {
        suggested = s;
        return QDir(dir.path()).filePath(QStringLiteral("yeni"));
    };
    QTest::mouseClick(ed->saveButton(), Qt::LeftButton);
    // The window takes the keys again without a click.
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_TRUE(suggested.startsWith(w->fileList()->path())) << str(suggested);
    QFile saved(QDir(dir.path()).filePath(QStringLiteral("yeni.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), kThreeEquations);
    // Loaded and shown as a click on it would.
    EXPECT_EQ(lines(), test::kUcDenklemLoad);
    EXPECT_EQ(str(w->fileList()->fileName()), "yeni.txt");
    EXPECT_EQ(w->directoryList()->path(), QDir(dir.path()).canonicalPath());
    QApplication::processEvents();
    EXPECT_EQ(w->findChild<MatrixEditor*>(), nullptr);

    select(Option::LesGauss);
    press("Command_Hesapla");
    EXPECT_EQ(lines(), test::kUcDenklemGauss);

    // The method changed the workspace; the editor starts from the file.
    QTest::keyClick(w->windowHandle(), Qt::Key_E, Qt::ControlModifier);
    ed = w->findChild<MatrixEditor*>();
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(str(ed->windowTitle()), "Matrisi düzenle");
    QStringList texts;
    for (int i = 0; i < ed->grid()->rows(); ++i)
        for (int j = 0; j < ed->grid()->cols(); ++j) texts << ed->grid()->text(i, j);
    EXPECT_EQ(texts.join(' '), QStringLiteral("2 1 -1 8 -3 -1 2 -11 -2 1 2 -3"));
    typeKeys(ed->view(), QStringLiteral("5\n"));
    EXPECT_EQ(str(ed->grid()->text(0, 0)), "5");
    QTest::keyClick(ed->view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(str(ed->grid()->text(0, 0)), "2");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace lineer::uitest
