// The main window: its controls, the handlers and the guard of "Hesapla".

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>

#include <set>

#include "appicon.h"
#include "fontfit.h"
#include "transcripts.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

const std::vector<std::string>& kGaussTranscript = test::kUcDenklemGauss;

const std::vector<std::string>& kLoadListing = test::kUcDenklemLoad;
using test::kNoFileMessage, test::kNoMethodMessage;

using WindowLayout = WindowTest;

TEST_F(WindowLayout, ControlsStandWhereTheTableSays) {
    struct Row {
        const char* name;
        const char* kind;
        const char* container;
        int left, top, width, height;  // twips
    };
    const Row table[] = {
        {"Picture1", "lineer::ui::PictureBox", "", 120, 2760, 3495, 3255},
        {"List1", "lineer::ui::ResultsView", "", 120, 6120, 8175, 2205},
        {"Command_Hesapla", "QPushButton", "", 3840, 4680, 1215, 375},
        {"Frame2", "QGroupBox", "", 5160, 240, 3375, 5775},
        {"Option_LesGaussJordan", "QRadioButton", "Frame2", 240, 2520, 2895, 195},
        {"Option_LesJacobi", "QRadioButton", "Frame2", 240, 3960, 2535, 255},
        {"Option_LesGaussSidel", "QRadioButton", "Frame2", 240, 4320, 2535, 195},
        {"Option_LesSOR", "QRadioButton", "Frame2", 240, 4680, 2415, 195},
        {"Option_LesDoolittle", "QRadioButton", "Frame2", 240, 2880, 2775, 195},
        {"Option_LesCrout", "QRadioButton", "Frame2", 240, 3240, 2655, 255},
        {"Option_LesThomas", "QRadioButton", "Frame2", 240, 3600, 2055, 255},
        {"Option_LesGauss", "QRadioButton", "Frame2", 240, 1800, 2535, 255},
        {"Option_LesMPGauss", "QRadioButton", "Frame2", 240, 2160, 2775, 255},
        {"Option_InvScrobanski", "QRadioButton", "Frame2", 240, 1080, 2175, 255},
        {"Option_DetGauss", "QRadioButton", "Frame2", 240, 360, 2415, 195},
        {"Label2", "QLabel", "Frame2", 240, 5040, 1935, 255},
        {"Label1", "QLabel", "Frame2", 240, 5400, 1695, 255},
        {"Label5", "QLabel", "Frame2", 240, 1560, 2775, 255},
        {"Label4", "QLabel", "Frame2", 240, 840, 2535, 255},
        {"Label3", "QLabel", "Frame2", 240, 120, 2655, 255},
        {"Command3", "QPushButton", "", 3840, 3000, 1215, 375},
        {"Frame1", "QGroupBox", "", 120, 120, 4815, 2535},
        {"Dir1", "lineer::ui::DirectoryList", "Frame1", 120, 600, 1935, 1665},
        {"File1", "lineer::ui::FileList", "Frame1", 2040, 240, 2655, 2040},
        {"Drive1", "lineer::ui::DriveList", "Frame1", 120, 240, 1935, 315},
        {"Command1", "QPushButton", "", 3840, 3840, 1215, 375},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.name);
        QWidget* c = child<QWidget>(r.name);
        ASSERT_NE(c, nullptr);
        EXPECT_STREQ(c->metaObject()->className(), r.kind);
        const QWidget* container = *r.container ? child<QWidget>(r.container) : w->centralWidget();
        EXPECT_EQ(c->parentWidget(), container);
        EXPECT_EQ(c->geometry(), QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15));
    }
    // The two boxes keep their rows and right edges, and are wide enough
    // for ten digits without reaching into their labels.
    for (const char* name : {"Text_MaxIter", "Text_w"}) {
        SCOPED_TRACE(name);
        auto* box = child<QLineEdit>(name);
        const QRect g = box->geometry();
        EXPECT_EQ(g.top(), (std::string(name) == "Text_w" ? 5400 : 5040) / 15);
        EXPECT_EQ(g.height(), 285 / 15);
        EXPECT_GE(g.right(), (2400 + 495) / 15 - 1);
        EXPECT_LE(g.right(), child<QWidget>("Frame2")->width() - 4);
        box->setText("2000000000");
        EXPECT_TRUE(ui::textFits(box));
        box->setText(std::string(name) == "Text_w" ? "1" : "100");
    }
    EXPECT_LT(child<QWidget>("Label2")->fontMetrics().horizontalAdvance(child<QLabel>("Label2")->text()) + 16,
              child<QWidget>("Text_MaxIter")->x());
    EXPECT_EQ(w->centralWidget()->size(), QSize(584, 573));
    EXPECT_EQ(w->pictureBox()->image().size(), QSize(233, 217));
    EXPECT_EQ(str(w->windowTitle()), "Lineer Denklem Takımı Çözüm Yöntemleri");
    // It starts at its smallest size and can grow.
    EXPECT_EQ(w->minimumSize(), w->size());
    EXPECT_GT(w->maximumWidth(), w->width());
}

TEST_F(WindowLayout, CaptionsAndColours) {
    struct Row {
        const char* name;
        const char* text;
        QColor colour;  // invalid: the default
    };
    const QColor green(0, 128, 0), darkBlue(0, 0, 192), blue(0, 0, 255), red(255, 0, 0);
    const Row table[] = {
        {"Command_Hesapla", "Hesapla", {}},
        {"Command3", "Matrisi listele", {}},
        {"Command1", "Matrisi göster", {}},
        {"Option_LesGaussJordan", "Gauss-Jordan eliminasyon yöntemi", green},
        {"Option_LesJacobi", "Jacobi basit iterasyon yöntemi", darkBlue},
        {"Option_LesGaussSidel", "Gauss-Sidel iterasyon yöntemi", blue},
        {"Option_LesSOR", "SOR iterasyon yöntemi", blue},
        {"Option_LesDoolittle", "Doolittle LU ayrıştırma yöntemi", green},
        {"Option_LesCrout", "Crout LU Ayrıştırma yöntemi", green},
        {"Option_LesThomas", "Thomas yöntemi", green},
        {"Option_LesGauss", "Gauss Eliminasyon yöntemi", green},
        {"Option_LesMPGauss", "Maks. Pivotlu Gauss- Eliminasyon", green},
        {"Option_InvScrobanski", "Scrobanski yöntemi", {}},
        {"Option_DetGauss", "Gauss-eliminasyon yöntemi", {}},
        {"Label2", "Maksimum iterasyon sayısı", {}},
        {"Label1", "Gevşetme faktörü", {}},
        {"Label5", "Lineer denklem takımı çözümü       ", red},
        {"Label4", "Matrisin tersinin hesabı                  ", red},
        {"Label3", "Matrisin determinantının hesabı    ", red},
    };
    const QColor defaultText = QApplication::palette().color(QPalette::WindowText);
    for (const Row& r : table) {
        SCOPED_TRACE(r.name);
        QWidget* c = child<QWidget>(r.name);
        ASSERT_NE(c, nullptr);
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(c)) text = b->text();
        if (auto* l = qobject_cast<QLabel*>(c)) text = l->text();
        EXPECT_EQ(str(text), r.text);
        const QColor shown = c->palette().color(c->foregroundRole());
        EXPECT_EQ(shown, r.colour.isValid() ? r.colour : defaultText);
        // Nothing is cut off at the chosen font size.
        EXPECT_TRUE(ui::textFits(c));
    }
    for (const char* h : {"Label3", "Label4", "Label5"}) {
        const QFont f = child<QLabel>(h)->font();
        EXPECT_TRUE(f.bold() && f.underline()) << h;
    }
    EXPECT_FALSE(child<QLabel>("Label2")->font().bold());
    EXPECT_EQ(str(child<QLineEdit>("Text_MaxIter")->text()), "100");
    EXPECT_EQ(str(child<QLineEdit>("Text_w")->text()), "1");
    EXPECT_TRUE(child<QGroupBox>("Frame1")->title().isEmpty());
    EXPECT_TRUE(child<QGroupBox>("Frame2")->title().isEmpty());
    // The menu bar: "Dosya" with its entries, "Görünüm", "Dil", then
    // "About" without sub-items.
    const auto actions = w->menuBar()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(str(actions[0]->text()), "&Dosya");
    ASSERT_NE(actions[0]->menu(), nullptr);
    std::vector<std::pair<std::string, QKeySequence>> entries;
    for (QAction* a : actions[0]->menu()->actions())
        if (!a->isSeparator()) entries.emplace_back(str(a->text()), a->shortcut());
    const std::vector<std::pair<std::string, QKeySequence>> expected{
        {"&Yeni matris...", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"&Matrisi düzenle...", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"&Aç...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Yeniden yükle ve &hesapla", QKeySequence(Qt::Key_F9)},
        {"&Sonuçları kaydet...", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"&Resmi kaydet...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Resmi &büyüt...", QKeySequence()},
        {"Ya&zdır...", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"&Dışa aktar...", QKeySequence()},
        {"Çı&kış", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(str(actions[1]->text()), "&Görünüm");
    EXPECT_EQ(str(actions[2]->text()), "D&il");
    EXPECT_EQ(str(actions[3]->text()), "&About");
    EXPECT_EQ(str(actions[3]->objectName()), "Mn_About");
    EXPECT_EQ(actions[3]->menu(), nullptr);
    // The results list reads in columns.
    EXPECT_TRUE(QFontInfo(w->results()->font()).fixedPitch());
}

TEST_F(WindowLayout, StartState) {
    for (int k = 0; k < kOptionCount; ++k) EXPECT_FALSE(w->option(static_cast<Option>(k))->isChecked()) << k;
    for (const char* name : {"Label2", "Text_MaxIter", "Label1", "Text_w"})
        EXPECT_FALSE(child<QWidget>(name)->isVisible()) << name;
    EXPECT_EQ(w->focusWidget(), child<QWidget>("Command1"));
    EXPECT_EQ(w->directoryList()->path(), QDir::cleanPath(QDir::currentPath()));
    EXPECT_EQ(w->fileList()->path(), w->directoryList()->path());
    EXPECT_FALSE(w->session().loaded());
    EXPECT_TRUE(lines().empty());
    // Tab goes from "Matrisi göster" to the drive list, file list, directory
    // list and "Matrisi listele".
    QWidget* f = child<QWidget>("Command1");
    for (const char* next : {"Drive1", "File1", "Dir1", "Command3", "Command_Hesapla", "Option_DetGauss"}) {
        f = f->nextInFocusChain();
        while (f->focusPolicy() == Qt::NoFocus || !f->isVisible()) f = f->nextInFocusChain();
        EXPECT_EQ(str(f->objectName()), next);
    }
}

using WindowBehaviour = WindowTest;

TEST_F(WindowBehaviour, ParameterRowsFollowTheOption) {
    struct Step {
        Option option;
        bool maxIter, w;
    };
    const Step steps[] = {
        {Option::LesSOR, true, true},          {Option::LesJacobi, true, false},
        {Option::LesThomas, false, false},     {Option::LesGaussSidel, true, false},
        {Option::LesSOR, true, true},          {Option::DetGauss, false, false},
        {Option::LesJacobi, true, false},      {Option::InvScrobanski, false, false},
        {Option::LesSOR, true, true},          {Option::LesGauss, false, false},
        {Option::LesGaussSidel, true, false},  {Option::LesMPGauss, false, false},
        {Option::LesSOR, true, true},          {Option::LesGaussJordan, false, false},
        {Option::LesJacobi, true, false},      {Option::LesDoolittle, false, false},
        {Option::LesSOR, true, true},          {Option::LesCrout, false, false},
    };
    auto* maxIter = child<QLineEdit>("Text_MaxIter");
    auto* wBox = child<QLineEdit>("Text_w");
    maxIter->setText("7");
    for (const Step& s : steps) {
        SCOPED_TRACE(static_cast<int>(s.option));
        select(s.option);
        EXPECT_TRUE(w->option(s.option)->isChecked());
        EXPECT_EQ(w->optionSelected(s.option), true);
        for (int k = 0; k < kOptionCount; ++k) {
            if (k != static_cast<int>(s.option)) {
                EXPECT_FALSE(w->option(static_cast<Option>(k))->isChecked());
            }
        }
        EXPECT_EQ(child<QWidget>("Label2")->isVisible(), s.maxIter);
        EXPECT_EQ(maxIter->isVisible(), s.maxIter);
        EXPECT_EQ(child<QWidget>("Label1")->isVisible(), s.w);
        EXPECT_EQ(wBox->isVisible(), s.w);
    }
    // Showing and hiding leaves the texts alone.
    EXPECT_EQ(w->textMaxIter(), "7");
    EXPECT_EQ(w->textW(), "1");
}

TEST_F(WindowBehaviour, HesaplaBeforeAnyLoadOnlyAsksForAFile) {
    press("Command_Hesapla");
    select(Option::LesGauss);
    press("Command_Hesapla");
    EXPECT_EQ(messages, (std::vector<std::string>{kNoFileMessage, kNoFileMessage}));
    EXPECT_TRUE(lines().empty());
}

TEST_F(WindowBehaviour, HesaplaStateMachine) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    EXPECT_EQ(lines(), kLoadListing);
    EXPECT_TRUE(w->session().loaded());

    // No method: the flag stays, so choosing one and pressing again runs it.
    press("Command_Hesapla");
    EXPECT_EQ(messages, std::vector<std::string>{kNoMethodMessage});
    EXPECT_TRUE(w->session().loaded());
    EXPECT_EQ(lines(), kLoadListing);

    select(Option::LesGauss);
    press("Command_Hesapla");
    EXPECT_EQ(lines(), kGaussTranscript);
    EXPECT_FALSE(w->session().loaded());
    EXPECT_EQ(w->results()->model()->rowCount(), static_cast<int>(kGaussTranscript.size()));

    // Twice in a row: the second press asks for a file and adds nothing.
    press("Command_Hesapla");
    EXPECT_EQ(messages, (std::vector<std::string>{kNoMethodMessage, kNoFileMessage}));
    EXPECT_EQ(lines(), kGaussTranscript);
}

// Every menu and entry has one underlined letter, none twice in one menu
// (the menu bar counts as a menu), in both languages.
TEST_F(WindowLayout, EveryMenuAndEntryHasItsOwnLetter) {
    for (Language l : {Language::Turkish, Language::English}) {
        setLanguage(l);
        w->retranslate();
        std::vector<QList<QAction*>> menus{w->menuBar()->actions()};
        for (QAction* a : w->menuBar()->actions())
            if (a->menu()) menus.push_back(a->menu()->actions());
        for (const QList<QAction*>& menu : menus) {
            std::set<int> letters;
            for (QAction* a : menu) {
                if (a->isSeparator()) continue;
                const QKeySequence letter = QKeySequence::mnemonic(a->text());
                EXPECT_FALSE(letter.isEmpty()) << str(a->text());
                EXPECT_TRUE(letters.insert(letter[0].toCombined()).second) << "letter taken twice: " << str(a->text());
            }
        }
    }
    setLanguage(Language::Turkish);
    w->retranslate();
    // F10 opens "Dosya".
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w->windowHandle(), Qt::Key_F10);
    QTRY_VERIFY(w->menuBar()->actions().constFirst()->menu()->isVisible());
    w->menuBar()->actions().constFirst()->menu()->close();
}

// Enter in either parameter box presses "Hesapla"; F9 loads the chosen file
// again and runs the method, as often as it is pressed.
TEST_F(WindowBehaviour, EnterInABoxCalculatesAndF9ReloadsAndCalculates) {
    goTo(writeFile("birler.txt", "2 3\n4 1 5\n1 3 4\n"));
    clickFile("birler.txt");
    select(Option::LesSOR);
    QTest::keyClick(child<QLineEdit>("Text_MaxIter"), Qt::Key_Return);
    QTRY_VERIFY(!w->session().loaded());
    EXPECT_TRUE(messages.empty());
    QTest::keyClick(child<QLineEdit>("Text_w"), Qt::Key_Return);
    QTRY_COMPARE(messages, std::vector<std::string>{kNoFileMessage});
    messages.clear();

    writeFile("uc.txt", kThreeEquations);
    w->fileList()->refresh();
    clickFile("uc.txt");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    select(Option::LesGauss);
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(w->windowHandle(), Qt::Key_F9);
        EXPECT_EQ(lines(), kGaussTranscript);
    }
    EXPECT_TRUE(messages.empty());
    // A file that no longer loads: the loader says why and nothing runs.
    QFile(QDir(dir.path()).filePath("uc.txt")).remove();
    QTest::keyClick(w->windowHandle(), Qt::Key_F9);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Dosya açılamadı", 0), 0u) << messages[0];
    EXPECT_EQ(lines(), kGaussTranscript);
}

// Thomas on the three equations, which are not tridiagonal: the remark
// shows in the strip under the roots, without a box to click away, and is
// no line of the list; the next run takes it away.
TEST_F(WindowBehaviour, RemarksShowInTheStripUntilTheNextRun) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    QWidget* strip = w->results()->remarkStrip();
    EXPECT_FALSE(strip->isVisible());
    select(Option::LesThomas);
    press("Command_Hesapla");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(lines().back().rfind(" x(3) = ", 0), 0u) << lines().back();
    EXPECT_EQ(w->results()->remarks(), QStringList{"Matris üç köşegenli değil: üç köşegenin dışındaki 2 katsayı "
                                                   "kullanılmadı, kökler dosyadaki sistemin kökleri olmayabilir"});
    EXPECT_TRUE(strip->isVisible());
    // The strip lies over none of the list's lines.
    EXPECT_LE(w->results()->viewport()->geometry().bottom(), strip->geometry().top());
    EXPECT_FALSE(w->session().loaded());
    clickFile("uc.txt");
    select(Option::LesGauss);
    press("Command_Hesapla");
    EXPECT_TRUE(w->results()->remarks().isEmpty());
    EXPECT_FALSE(strip->isVisible());
}

// After a run the list shows the run's first line at the top.
TEST_F(WindowBehaviour, ListShowsTheRunAndItsResult) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    ui::ResultsView* view = w->results();
    EXPECT_EQ(view->indexAt(QPoint(4, 2)).row(), 0);
    select(Option::LesGauss);
    press("Command_Hesapla");
    // The run is longer than the view: its last line, the last root, is
    // at the bottom.
    auto shown = [view](int row) {
        return view->viewport()->rect().contains(view->visualRect(view->model()->index(row, 0)));
    };
    const int last = static_cast<int>(kGaussTranscript.size()) - 1;
    EXPECT_TRUE(shown(last));
    EXPECT_GT(view->indexAt(QPoint(4, 2)).row(), static_cast<int>(kLoadListing.size()));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(shown(0));
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(shown(last));
    // Loading again shows the listing from its first line and column,
    // wherever the list stood.
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    clickFile("uc.txt");
    EXPECT_EQ(view->indexAt(QPoint(4, 2)).row(), 0);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    select(Option::LesGauss);
    press("Command_Hesapla");
    // "Matrisi listele" likewise brings its listing into view; near the end
    // of the list the view stops at the last line.
    press("Command3");
    const QModelIndex first = view->model()->index(static_cast<int>(kGaussTranscript.size()), 0);
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(first)));
    EXPECT_GT(view->indexAt(QPoint(4, 2)).row(), static_cast<int>(kLoadListing.size()));
}

TEST_F(WindowBehaviour, FailedLoadKeepsTheListAndClearsTheFlag) {
    const QString folder = writeFile("iyi.txt", kThreeEquations);
    writeFile("kotu.txt", "3 4\n2 1 x 8\n");
    writeFile("eksik.txt", "3 4\n2 1\n");
    goTo(folder);
    for (const char* bad : {"kotu.txt", "eksik.txt"}) {
        SCOPED_TRACE(bad);
        messages.clear();
        clickFile("iyi.txt");
        ASSERT_TRUE(w->session().loaded());
        clickFile(bad);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_FALSE(messages[0].empty());
        EXPECT_EQ(lines(), kLoadListing);
        EXPECT_FALSE(w->session().loaded());
        select(Option::LesGauss);
        press("Command_Hesapla");
        EXPECT_EQ(messages.back(), kNoFileMessage);
        EXPECT_EQ(lines(), kLoadListing);
    }
}

TEST_F(WindowBehaviour, FileListShowsTextFilesAndLoadsByMouseAndKeyboard) {
    const QString folder = writeFile("a.txt", "1 2 5 6\n");
    writeFile("b.txt", "1 1 7\n");
    writeFile("c.dat", "1 1 9\n");
    writeFile("d.txt.bak", "1 1 9\n");
    writeFile("notxt", "1 1 9\n");
    writeFile("inner.txt", "1 1 9\n", "klasor");
    goTo(folder);
    QStringList shown;
    for (int i = 0; i < w->fileList()->count(); ++i) shown << w->fileList()->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"a.txt", "b.txt"}));

    clickFile("a.txt");
    EXPECT_EQ(lines(), (std::vector<std::string>{"Katsayılar matrisi", " ", "5.0000   6.0000   "}));
    // The same file again is a whole new load.
    w->listAppend(ResultLine("eski"));
    clickFile("a.txt");
    EXPECT_EQ(lines(), (std::vector<std::string>{"Katsayılar matrisi", " ", "5.0000   6.0000   "}));

    // Moving down with the keyboard picks the next file.
    w->fileList()->setFocus();
    QTest::keyClick(w->fileList(), Qt::Key_Down);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Katsayılar matrisi", " ", "7.0000   "}));
    QTest::keyClick(w->fileList(), Qt::Key_Up);
    QTest::keyClick(w->fileList(), Qt::Key_Return);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Katsayılar matrisi", " ", "5.0000   6.0000   "}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowBehaviour, DirectoryListGoesUpAndIntoFolders) {
    const QString folder = writeFile("a.txt", "1 1 1\n");
    writeFile("x.txt", "1 1 2\n", "alt");
    goTo(folder);
    ui::DirectoryList* d = w->directoryList();
    // The entries: the folders down to this one, then its sub-folder.
    ASSERT_GE(d->count(), 2);
    EXPECT_EQ(str(d->item(d->count() - 1)->text()), "alt");
    EXPECT_EQ(str(d->currentItem()->text()), str(QFileInfo(folder).fileName()));

    // Enter on the sub-folder goes into it.
    d->setCurrentRow(d->count() - 1);
    d->setFocus();
    QTest::keyClick(d, Qt::Key_Return);
    EXPECT_EQ(d->path(), QDir(folder).filePath("alt"));
    EXPECT_EQ(w->fileList()->count(), 1);
    EXPECT_EQ(str(w->fileList()->item(0)->text()), "x.txt");

    // A double click on the parent goes back up.
    QListWidgetItem* parent = d->item(d->row(d->currentItem()) - 1);
    const QRect r = d->visualItemRect(parent);
    QTest::mouseClick(d->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(d->path(), QDir(folder).filePath("alt"));  // one click only selects
    QTest::mouseDClick(d->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(d->path(), folder);
    EXPECT_EQ(str(w->fileList()->item(0)->text()), "a.txt");

    // A folder that is gone is refused and nothing moves.
    EXPECT_FALSE(d->setPath(QDir(folder).filePath("yok")));
    EXPECT_EQ(d->path(), folder);
}

TEST_F(WindowBehaviour, DirectoryAndDriveChangesClearOnlyThePicture) {
    const QString folder = writeFile("uc.txt", kThreeEquations);
    writeFile("x.txt", "1 1 2\n", "alt");
    goTo(folder);
    clickFile("uc.txt");
    press("Command1");
    const QImage drawn = w->pictureBox()->image();
    ASSERT_NE(pixel(5, 5), ui::PictureCanvas::kBackground);

    auto blank = [this] {
        QImage empty(w->pictureBox()->image().size(), QImage::Format_RGB32);
        empty.fill(ui::PictureCanvas::kBackground);
        return w->pictureBox()->image() == empty;
    };
    goTo(QDir(folder).filePath("alt"));
    EXPECT_TRUE(blank());
    EXPECT_EQ(lines(), kLoadListing);
    EXPECT_TRUE(w->session().loaded());

    press("Command1");
    EXPECT_EQ(w->pictureBox()->image(), drawn);
    // Choosing the drive again: back at that drive's folder, picture cleared.
    ui::DriveList* drive = w->driveList();
    ASSERT_GT(drive->count(), 0);
#ifndef Q_OS_WIN
    EXPECT_EQ(str(drive->itemText(0)), "/");
#endif
    emit drive->activated(drive->currentIndex());
    EXPECT_TRUE(blank());
    EXPECT_EQ(w->directoryList()->path(), QDir(folder).filePath("alt"));
    EXPECT_EQ(lines(), kLoadListing);
    EXPECT_TRUE(w->session().loaded());

    // The flag survived: the method still runs.
    select(Option::LesGauss);
    press("Command_Hesapla");
    EXPECT_EQ(lines(), kGaussTranscript);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowBehaviour, ListeleBeforeAnyLoad) {
    press("Command3");
    EXPECT_EQ(lines(), std::vector<std::string>{" "});
    EXPECT_TRUE(messages.empty());
    // The heading is printed at the top left of the picture.
    bool ink = false;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 100; ++x) ink = ink || pixel(x, y) != ui::PictureCanvas::kBackground;
    EXPECT_TRUE(ink);
    EXPECT_EQ(w->pictureBox()->canvas().printPosition().x(), 0);
    EXPECT_GT(w->pictureBox()->canvas().printPosition().y(), 8);
    for (int y = 40; y < 217; ++y)
        for (int x = 0; x < 233; ++x) ASSERT_EQ(pixel(x, y), ui::PictureCanvas::kBackground) << x << "," << y;
}

TEST_F(WindowBehaviour, ListeleAfterAMethodShowsTheMatrixAsItWasLeft) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    select(Option::LesGauss);
    press("Command_Hesapla");
    press("Command3");
    std::vector<std::string> want = kGaussTranscript;
    want.insert(want.end(), kGaussTranscript.begin() + 7, kGaussTranscript.begin() + 11);
    EXPECT_EQ(lines(), want);
}

TEST_F(WindowBehaviour, PictureLevelsOfTheTwoByThreeExample) {
    goTo(writeFile("m.txt", kTwoByThree));
    clickFile("m.txt");
    press("Command1");
    // Levels 2 0 5 / 10 0 0; the user system spans 3 x 3 units.
    const int levels[2][3] = {{2, 0, 5}, {10, 0, 0}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) {
            const int x = static_cast<int>((j + 0.5) / 3 * 233), y = static_cast<int>((i + 0.5) / 3 * 217);
            EXPECT_EQ(pixel(x, y), level(levels[i][j])) << i + 1 << "," << j + 1;
        }
    // The bottom strip of one row's height stays empty; the boxes are filled.
    EXPECT_EQ(pixel(116, 200), ui::PictureCanvas::kBackground);
    EXPECT_EQ(pixel(2, 2), level(2));
    EXPECT_EQ(pixel(230, 140), level(0));
    // Drawing again gives the same picture, and the picture survives a
    // repaint of the window.
    const QImage first = w->pictureBox()->image();
    w->pictureBox()->repaint();
    press("Command1");
    EXPECT_EQ(w->pictureBox()->image(), first);
    const QImage onScreen = w->pictureBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(onScreen.pixelColor(194, 36), level(5));
    EXPECT_EQ(onScreen.pixelColor(38, 108), level(10));
}

TEST_F(WindowBehaviour, PictureOfAZeroMatrixAndOfNoMatrix) {
    // Nothing loaded yet: only cleared, no division by a zero extent.
    press("Command3");
    press("Command1");
    QImage empty(233, 217, QImage::Format_RGB32);
    empty.fill(ui::PictureCanvas::kBackground);
    EXPECT_EQ(w->pictureBox()->image(), empty);
    EXPECT_TRUE(messages.empty());

    goTo(writeFile("z.txt", "2 2 0 0 0 0\n"));
    clickFile("z.txt");
    press("Command1");
    EXPECT_EQ(pixel(58, 54), level(0));
    EXPECT_EQ(pixel(170, 160), level(0));
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowBehaviour, BusyCursorWhileAMethodRuns) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    std::vector<int> shapes;
    dialogs.messageHook = [&](const QString&) {
        const QCursor* c = QApplication::overrideCursor();
        shapes.push_back(c ? c->shape() : -1);
    };
    press("Command_Hesapla");  // no method: the message comes from inside the run
    EXPECT_EQ(shapes, std::vector<int>{Qt::WaitCursor});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowBehaviour, MessageBoxHasOnlyOkNoIconAndTheCaption) {
    dialogs.messageHook = nullptr;
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        modal = box->isModal();
        // Wide enough that the title is not cut, in the bold of most title bars.
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GT(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()));
        box->button(QMessageBox::Ok)->click();
    });
    press("Command_Hesapla");
    EXPECT_EQ(str(title), "Lineer Denklem Takımı Çözüm Yöntemleri");
    EXPECT_EQ(str(text), kNoFileMessage);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);
}

TEST_F(WindowBehaviour, AboutOpensOneNonBlockingWindow) {
    QAction* about = w->findChild<QAction*>(QStringLiteral("Mn_About"));
    ASSERT_NE(about, nullptr);
    about->trigger();  // returns at once: the window does not block
    QPointer<ui::AboutWindow> first = w->aboutWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(first->parentWidget(), nullptr);
    about->trigger();
    EXPECT_EQ(w->aboutWindow(), first.data());
    int open = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == "Form_About" && t->isVisible()) ++open;
    EXPECT_EQ(open, 1);

    // The main window still takes clicks while it is open.
    press("Command3");
    EXPECT_EQ(lines(), std::vector<std::string>{" "});

    // Closed, it is gone; the next "About" makes a new one.
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    about->trigger();
    ASSERT_NE(w->aboutWindow(), nullptr);
    EXPECT_TRUE(w->aboutWindow()->isVisible());
    w->aboutWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AboutWindow, TextsColoursAndFit) {
    QPointer<ui::AboutWindow> a = new ui::AboutWindow;
    EXPECT_EQ(str(a->windowTitle()), "About lineer " LINEER_VERSION);
    EXPECT_EQ(a->size(), QSize(240, 184));
    EXPECT_EQ(a->palette().color(QPalette::Window), QColor(255, 255, 192));
    struct Row {
        const char* name;
        std::string text;
        QRect geometry;
        QColor colour;
    };
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    const Row table[] = {
        {"Label2", "A program for solving linear equation systems", {40, 24, 161, 41}, QColor(0, 128, 0)},
        {"Label7", "Developed by the lineer developers", {40, 72, 169, 17}, text},
        {"Label8", "Last modified : 15.10 2007", {32, 104, 193, 17}, text},
        {"Label4", "For comments and questions e-mail to", {16, 136, 225, 17}, text},
        {"Label5", str(ui::contactEmail()), {64, 152, 129, 17}, QColor(0, 0, 255)},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.name);
        auto* l = a->findChild<QLabel*>(QLatin1String(r.name));
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(str(l->text()), r.text);
        EXPECT_EQ(l->geometry(), r.geometry);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), r.colour);
        EXPECT_EQ(l->palette().color(QPalette::Window), QColor(255, 255, 192));
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        EXPECT_TRUE(ui::textFits(l));
    }
    EXPECT_TRUE(ui::contactEmail().contains('@'));
    delete a;
}

// Both windows carry the icon at every size it is drawn at, read from the
// program itself: the pivot in the top left cell is red at each size.
TEST(WindowIcon, EveryWindowShowsThePivotAtEverySize) {
    ui::MainWindow main;
    ui::AboutWindow about;
    for (const QWidget* w : {static_cast<const QWidget*>(&main), static_cast<const QWidget*>(&about)}) {
        SCOPED_TRACE(str(w->objectName()));
        for (int size : ui::kIconSizes) {
            SCOPED_TRACE(size);
            const QImage img = w->windowIcon().pixmap(QSize(size, size)).toImage();
            ASSERT_EQ(img.size(), QSize(size, size));
            const QColor pivot = img.pixelColor(82 * size / 256, 82 * size / 256);
            EXPECT_GT(pivot.red(), 150);
            EXPECT_LT(pivot.green(), 80);
        }
    }
}

}  // namespace
}  // namespace lineer::uitest
