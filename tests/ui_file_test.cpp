// The window for everyday use: it grows, keeps and prints its results,
// opens files from anywhere and follows its folders.

#include <QDialogButtonBox>
#include <QDropEvent>
#include <QLibraryInfo>
#include <QMimeData>
#include <QPrinter>
#include <QSettings>
#include <QStyleOptionButton>

#include <fstream>

#include "cli_runner.h"
#include "printing.h"
#include "saving.h"
#include "formcontrols.h"
#include "toolkit.h"
#include "transcripts.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using FileTest = WindowTest;

TEST_F(FileTest, ResizedWindowGivesTheRoomToTheListAndIsRemembered) {
    const QRect listAtStart = w->results()->geometry();
    const QRect pictureAtStart = w->pictureBox()->geometry();
    const QSize start = w->size();
    w->resize(start + QSize(300, 200));
    EXPECT_EQ(w->results()->geometry(), listAtStart.adjusted(0, 0, 300, 200));
    EXPECT_EQ(w->pictureBox()->geometry(), pictureAtStart);
    // Never smaller than the table's size.
    w->resize(start - QSize(100, 100));
    EXPECT_EQ(w->size(), start);

    w->resize(start + QSize(120, 80));
    w->close();
    ui::MainWindow again;
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.size(), start + QSize(120, 80));
    EXPECT_EQ(again.results()->size(), listAtStart.size() + QSize(120, 80));
    QSettings().clear();
}

// What the window saves is what the command line writes for the same
// actions: the list byte for byte, the picture pixel for pixel.
TEST_F(FileTest, SavedResultsAndPictureEqualTheCommandLine) {
    struct Case {
        const char* method;
        Option option;
        bool draw;
    };
    const Case cases[] = {{"gauss", Option::LesGauss, false}, {"sor", Option::LesSOR, false}, {"det", Option::DetGauss, true}};
    const std::string file = test::examplePath("kosegen-baskin.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        const QString png = dir.filePath(QStringLiteral("cli.png"));
        std::vector<std::string> args{"--method", c.method, "--picture", png.toStdString(), file};
        if (c.draw) args.insert(args.begin(), "--draw");
        const test::CliResult cli = test::runLineer(args);

        w->openFile(QString::fromStdString(file));
        select(c.option);
        press("Command_Hesapla");
        if (c.draw) press("Command1");
        const QString txt = dir.filePath(QStringLiteral("pencere.txt"));
        const QString shot = dir.filePath(QStringLiteral("pencere.png"));
        dialogs.pathHook = [&](const QString& title, const QString&) { return title.startsWith(QStringLiteral("Resmi")) ? shot : txt; };
        w->saveResultsDialog();
        w->savePictureDialog();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(test::slurpFile(str(txt)), cli.out);
        EXPECT_EQ(QImage(shot), QImage(png));
    }
}

// Results are proposed as "<file>-sonuç.log", out of the list of *.txt
// files, in the folder results were last saved in; a results list saved as
// *.txt anyway is named as such when clicked, and changes nothing.
TEST_F(FileTest, SavedResultsStayApartFromCoefficientFiles) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    QStringList proposed;
    QString answer = dir.filePath(QStringLiteral("sonuclar/uc-sonuc.txt"));
    QDir(dir.path()).mkdir(QStringLiteral("sonuclar"));
    dialogs.pathHook = [&](const QString&, const QString& start) {
        proposed << start;
        return answer;
    };
    w->saveResultsDialog();
    w->saveResultsDialog();
    ASSERT_EQ(proposed.size(), 2);
    EXPECT_EQ(proposed[0], QDir(w->directoryList()->path()).filePath(QStringLiteral("uc-sonuç.log")));
    EXPECT_EQ(proposed[1], dir.filePath(QStringLiteral("sonuclar/uc-sonuç.log")));

    const std::vector<std::string> before = lines();
    goTo(dir.filePath(QStringLiteral("sonuclar")));
    clickFile("uc-sonuc.txt");
    EXPECT_EQ(messages, std::vector<std::string>{"Dosyada geçersiz bir değer var: \"Katsayılar\"\n"
                                                 "Bu dosya, bu programın kaydettiği bir sonuç dosyasına benziyor."});
    EXPECT_EQ(lines(), before);
    // As after any load that fails: "Hesapla" asks for a file.
    EXPECT_FALSE(w->session().loaded());
    // The command line's message is the loader's alone.
    const test::CliResult cli = test::runLineer({str(answer)});
    EXPECT_EQ(cli.err, "Dosyada geçersiz bir değer var: \"Katsayılar\"\n");
    QSettings().clear();
}

TEST_F(FileTest, FailedSaveSaysWhyInTurkish) {
    struct Case {
        const char* target;
        const char* reason;
    };
    QDir(dir.path()).mkdir(QStringLiteral("klasor"));
    const Case cases[] = {{"klasor", "bu adda bir klasör var"}, {"yok/sonuc.txt", "klasör bulunamadı"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        messages.clear();
        const QString path = dir.filePath(QString::fromUtf8(c.target));
        dialogs.pathHook = [&](const QString&, const QString&) { return path; };
        w->saveResultsDialog();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], "Dosya kaydedilemedi: " + str(path) + " (" + c.reason + ")");
    }
}

// A line break in a file name cannot split the message: every failed save
// shows the path with control characters as "?".
TEST_F(FileTest, EveryFailedSaveShowsThePathAsTheMessagesShowPaths) {
    const QString path = dir.filePath(QStringLiteral("yok\nklasor/sonuc"));
    const std::string shown = str(dir.filePath(QStringLiteral("yok?klasor/sonuc")));
    dialogs.pathHook = [&](const QString&, const QString&) { return path; };
    messages.clear();
    w->savePictureDialog();
    w->handouts().exportTo(path + QStringLiteral(".tex"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Dosya kaydedilemedi: " + shown + " (klasör bulunamadı)");
    EXPECT_EQ(messages[1], "Dışa aktarılamadı: " + shown + ".tex (klasör bulunamadı)");
}

TEST_F(FileTest, OpenAndDropLoadAsAClickDoes) {
    struct Case {
        const char* folder;
        const char* name;
        bool drop;
        bool listed;
    };
    const Case cases[] = {{"alt", "uc.txt", false, true},
                          {"alt", "uc.dat", true, false},
                          {"alt", "uc.txt", true, true},
                          {"Çözümler", "örnek.txt", false, true},
                          {"Çözümler", "örnek.txt", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.drop ? " dropped" : " opened"));
        const QString folder = writeFile(QString::fromUtf8(c.name), kThreeEquations, QString::fromUtf8(c.folder));
        goTo(dir.path());
        const QString path = QDir(folder).filePath(QString::fromUtf8(c.name));
        if (c.drop) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(w.get(), &enter);
            ASSERT_TRUE(enter.isAccepted());
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(w.get(), &drop);
        } else {
            w->openFile(path);
        }
        EXPECT_EQ(w->directoryList()->path(), QDir(folder).absolutePath());
        EXPECT_EQ(w->fileList()->fileName(), c.listed ? QString::fromUtf8(c.name) : QString());
        EXPECT_EQ(lines(), test::kUcDenklemLoad);
        EXPECT_TRUE(w->session().loaded());
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(FileTest, ShownFoldersFollowTheDisk) {
    goTo(writeFile("bir.txt", kThreeEquations));
    clickFile("bir.txt");
    const std::vector<std::string> loaded = lines();
    writeFile("iki.txt", kTwoByThree);
    QDir(dir.path()).mkdir(QStringLiteral("yeni"));
    QTRY_COMPARE_WITH_TIMEOUT(w->fileList()->findItems(QStringLiteral("iki.txt"), Qt::MatchExactly).size(), 1, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(w->directoryList()->findItems(QStringLiteral("yeni"), Qt::MatchExactly).size(), 1, 1000);
    EXPECT_EQ(w->fileList()->fileName(), QStringLiteral("bir.txt"));
    // The chosen file vanishes: nothing chosen, nothing loaded.
    QFile::remove(dir.filePath(QStringLiteral("bir.txt")));
    QTRY_COMPARE_WITH_TIMEOUT(w->fileList()->count(), 1, 1000);
    EXPECT_EQ(w->fileList()->fileName(), QString());
    EXPECT_EQ(lines(), loaded);
    EXPECT_TRUE(messages.empty());
}

TEST(ParameterBoxes, ReadingsThatDifferFromTheTextAreMarked) {
    struct Case {
        const char* text;
        const char* decimal;
        const char* tip;  // empty: not marked
        ui::Reading kind = ui::Reading::Number;
    };
    const auto limit = ui::Reading::IterationLimit;
    const Case cases[] = {
        {"100", ".", ""},          {"1 0 0", ".", ""},       {"&H1F", ".", ""},
        {"2.5E3", ".", ""},        {"1,2", ",", ""},          {"abc", ".", "Kullanılacak değer: 0"},
        {"1.2.3", ".", "Kullanılacak değer: 1.2"},           {"1,2", ".", "Kullanılacak değer: 1"},
        {"", ".", "Kullanılacak değer: 0"},                  {"1.5x", ",", "Kullanılacak değer: 1,5"},
        {"0", ".", ""},            {"-5", ".", ""},           {"1", ".", "", limit},
        {"0", ".", "Kullanılacak değer: 0\nBu sınırla hiç iterasyon adımı yapılmaz", limit},
        {"-5", ".", "Kullanılacak değer: -5\nBu sınırla hiç iterasyon adımı yapılmaz", limit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" " + c.decimal);
        QLineEdit box;
        ui::markReading(&box, QString::fromUtf8(c.decimal), c.kind);
        box.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(str(box.toolTip()), c.tip);
        EXPECT_EQ(box.palette().color(QPalette::Base) != QLineEdit().palette().color(QPalette::Base), *c.tip != 0);
    }
}

TEST_F(FileTest, SmallFixesANewUserNeeds) {
    // Enter and keypad Enter on a focused button press it.
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
        const std::size_t before = lines().size();
        auto* listele = child<QPushButton>("Command3");
        listele->setFocus();
        QTest::keyClick(listele, mods ? Qt::Key_Enter : Qt::Key_Return, mods);
        QTRY_COMPARE(lines().size(), before + 1);
    }
    // The menu's shortcuts work from anywhere in the window.
    const QString saved = dir.filePath(QStringLiteral("kisayol.txt"));
    dialogs.pathHook = [&](const QString&, const QString&) { return saved; };
    QTest::keyClick(w->fileList(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFileInfo::exists(saved));
    // Every option's circle fits its button.
    for (int k = 0; k < kOptionCount; ++k) {
        QRadioButton* b = w->option(static_cast<Option>(k));
        QStyleOptionButton o;
        o.initFrom(b);
        const QRect circle = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, b);
        EXPECT_TRUE(b->rect().contains(circle)) << k;
    }
    // Printed text stands clear of the picture's border.
    press("Command3");
    const QImage img = w->pictureBox()->image();
    for (int x = 0; x < img.width(); ++x) EXPECT_EQ(img.pixelColor(x, 1), ui::PictureCanvas::kBackground) << x;
    for (int y = 0; y < 20; ++y) EXPECT_EQ(img.pixelColor(1, y), ui::PictureCanvas::kBackground) << y;
    // SOR that draws no plot leaves no earlier picture behind.
    // (no sweep, or a first sweep that changes nothing: the solution is
    // all ones).
    for (const char* limit : {"0", "100"}) {
        SCOPED_TRACE(limit);
        goTo(writeFile("birler.txt", "2 3\n4 1 5\n1 3 4\n"));
        clickFile("birler.txt");
        press("Command1");
        select(Option::LesSOR);
        child<QLineEdit>("Text_MaxIter")->setText(QString::fromUtf8(limit));
        press("Command_Hesapla");
        QImage blank(img.size(), img.format());
        blank.fill(ui::PictureCanvas::kBackground);
        EXPECT_EQ(w->pictureBox()->image(), blank);
    }
}

// The toolkit's own dialogs (file, print, message boxes) speak the
// program's language once the start-up has run, like the rest of the window.
TEST(ToolkitTexts, StandardButtonsFollowTheLanguage) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_tr.qm")))
        GTEST_SKIP() << "the toolkit's Turkish translation is not installed";
    struct Case {
        Language language;
        const char *ok, *cancel, *save;
    };
    // English last: the other tests see the toolkit as it was.
    for (const Case& c : {Case{Language::Turkish, "Tamam", "İptal", "Kaydet"},
                          Case{Language::English, "OK", "Cancel", "Save"}}) {
        ui::useToolkitTexts(c.language);
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), QString::fromUtf8(c.ok));
        EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(c.cancel));
        EXPECT_EQ(box.button(QDialogButtonBox::Save)->text(), QString::fromUtf8(c.save));
    }
}

}  // namespace
}  // namespace lineer::uitest
