// The textbook methods in the window: chosen from "Görünüm" > "Ders
// kitabı" instead of an option button, the iterations' settings
// remembered and used, an exercise written into the folder and loaded.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSpinBox>

#include <set>

#include "exercisedialog.h"
#include "iterationdialog.h"
#include "transcripts.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

std::string slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

struct Textbook : WindowTest {
    void TearDown() override {
        ui::rememberIterationTexts({});
        WindowTest::TearDown();
    }
    QAction* entry(const char* name) { return child<QAction>(name); }
    bool anyOptionChecked() const {
        for (int k = 0; k < kOptionCount; ++k)
            if (w->option(static_cast<Option>(k))->isChecked()) return true;
        return false;
    }
};

TEST_F(Textbook, AMethodOfTheMenuTakesThePlaceOfTheOptionButtons) {
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    select(Option::LesJacobi);
    entry("Mn_gauss-pivot")->trigger();
    EXPECT_FALSE(anyOptionChecked());
    EXPECT_FALSE(child<QWidget>("Text_MaxIter")->isVisible());
    EXPECT_EQ(w->request().option, Option::LesGaussPivot);
    EXPECT_EQ(str(w->windowTitle()), "Lineer Denklem Takımı Çözüm Yöntemleri – Kısmi pivotlamalı Gauss eliminasyonu");
    press("Command_Hesapla");
    const auto all = lines();
    EXPECT_EQ(all[6], "Kısmi pivotlama");
    EXPECT_EQ(std::vector<std::string>(all.end() - 3, all.end()),
              (std::vector<std::string>{" x(1) = 2.0000", " x(2) = 3.0000", " x(3) = -1.0000"}));

    // The textbook SOR shows both boxes; an option button clears the menu's choice.
    entry("Mn_sor-textbook")->trigger();
    EXPECT_TRUE(child<QWidget>("Text_w")->isVisible());
    select(Option::LesGauss);
    EXPECT_FALSE(entry("Mn_sor-textbook")->isChecked());
    EXPECT_EQ(w->request().option, Option::LesGauss);
    EXPECT_EQ(str(w->windowTitle()), "Lineer Denklem Takımı Çözüm Yöntemleri");
}

// F10, then the keys alone reach a method: "Görünüm", "Ders kitabı", its number.
TEST_F(Textbook, TheKeyboardReachesTheMethods) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w->windowHandle(), Qt::Key_F10);
    QTRY_VERIFY(child<QMenu>("Mn_Dosya")->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QTRY_VERIFY(child<QMenu>("Mn_Gorunum")->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K);
    QTRY_VERIFY(child<QMenu>("Mn_DersKitabi")->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_5);
    QTRY_COMPARE(w->request().option, std::optional<Option>(Option::LesCholesky));
}

// Every entry of the submenu has a letter of its own, in both languages.
TEST_F(Textbook, EveryEntryHasItsOwnLetter) {
    for (Language l : {Language::English, Language::Turkish}) {
        setLanguage(l);
        w->retranslate();
        std::set<int> letters;
        for (QAction* a : child<QMenu>("Mn_DersKitabi")->actions()) {
            if (a->isSeparator()) continue;
            const QKeySequence letter = QKeySequence::mnemonic(a->text());
            ASSERT_FALSE(letter.isEmpty()) << str(a->text());
            EXPECT_TRUE(letters.insert(letter[0].toCombined()).second) << str(a->text());
        }
        EXPECT_EQ(letters.size(), 8u);
    }
}

TEST_F(Textbook, TheIterationSettingsAreCheckedRememberedAndUsed) {
    ui::IterationDialog* d = w->iterationDialog();
    d->startBox()->setText("0 x");
    d->accept();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(messages, std::vector<std::string>{"Başlangıç vektörü boşlukla ayrılmış sayılar olmalı: 0 x"});
    d->startBox()->setText("0");
    d->toleranceBox()->setText("0,5");
    d->accept();
    EXPECT_TRUE(d->isVisible()) << "a comma is not the decimal symbol here";
    d->toleranceBox()->clear();
    d->accept();
    EXPECT_FALSE(d->isVisible());

    // The textbooks' Jacobi table from zero, and the settings as the next
    // dialog finds them.
    QFile file(QStringLiteral(LINEER_EXAMPLES "/kosegen-baskin.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    goTo(writeFile("kosegen.txt", file.readAll()));
    clickFile("kosegen.txt");
    select(Option::LesJacobi);
    child<QLineEdit>("Text_MaxIter")->setText("10");
    press("Command_Hesapla");
    const auto all = lines();
    EXPECT_EQ(std::vector<std::string>(all.end() - 8, all.end()),
              (std::vector<std::string>{" x(1) = 1.0001", " x(2) = 1.9998", " x(3) = -0.9998", " x(4) = 0.9998", " ",
                                        "Maksimum hata = 0.000833", " ", "Başlangıç vektörü: her bileşen 0"}));
    EXPECT_EQ(str(w->iterationDialog()->startBox()->text()), "0");
}

TEST_F(Textbook, AnExerciseIsWrittenIntoTheFolderWithItsKeyAndLoaded) {
    goTo(writeFile("uc.txt", kThreeEquations));
    ui::ExerciseDialog* d = w->exerciseDialog();
    d->kindBox()->setCurrentIndex(2);  // spd
    d->sizeBox()->setValue(4);
    d->seedBox()->setValue(5);
    const exercises::Exercise e = exercises::generate(exercises::Kind::Spd, 4, 5);
    EXPECT_EQ(QFileInfo(d->exercisePath()).fileName(), QStringLiteral("alistirma-spd-4-5.txt"));
    d->accept();
    EXPECT_EQ(messages, std::vector<std::string>{});
    EXPECT_EQ(slurp(d->answersPath()), exercises::answersText(e, "."));
    EXPECT_EQ(slurp(QDir(dir.path()).filePath("alistirma-spd-4-5.txt")), exercises::coefficientText(e));
    EXPECT_EQ(lines().front(), "Katsayılar matrisi");
    EXPECT_EQ(lines().size(), 6u);
    EXPECT_EQ(str(w->fileList()->currentItem()->text()), "alistirma-spd-4-5.txt");
    EXPECT_EQ(QFileInfo(d->answersPath()).fileName(), QStringLiteral("alistirma-spd-4-5.cevaplar"));
    EXPECT_EQ(w->fileList()->count(), 2);  // uc.txt and the exercise, not its key

    // Written again: the question before replacing, and "no" keeps the dialog.
    std::vector<std::string> questions;
    dialogs.questionHook = [&](const QString& q) {
        questions.push_back(str(q));
        return false;
    };
    ui::ExerciseDialog* again = w->exerciseDialog();
    again->kindBox()->setCurrentIndex(2);
    again->sizeBox()->setValue(4);
    again->seedBox()->setValue(5);
    again->answersBox()->setChecked(false);
    again->accept();
    EXPECT_TRUE(again->isVisible());
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("alistirma-spd-4-5.txt"), std::string::npos) << questions[0];
}

}  // namespace
}  // namespace lineer::uitest
