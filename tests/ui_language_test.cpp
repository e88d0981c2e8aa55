// The window's language menu: the texts change at once, the results list
// stays as written, and the choice is remembered.

#include <QAction>
#include <QMenuBar>
#include <QSettings>

#include "fontfit.h"
#include "languagemenu.h"
#include "transcripts.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

struct LanguageMenu : WindowTest {
    void TearDown() override {
        choose("Mn_Turkce");
        WindowTest::TearDown();
    }
    void choose(const char* entry) {
        QAction* a = w->findChild<QAction*>(QLatin1String(entry));
        ASSERT_NE(a, nullptr) << entry;
        a->trigger();
    }
    std::string caption(const char* name) { return str(child<QAbstractButton>(name)->text()); }
    std::string menuTitle(int k) { return str(w->menuBar()->actions()[k]->text()); }
};

TEST_F(LanguageMenu, SwitchesEveryCaptionAtOnceAndKeepsTheList) {
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("Mn_Turkce"))->isChecked());
    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    select(Option::LesGauss);
    press("Command_Hesapla");
    const std::vector<std::string> turkishRun = lines();
    ASSERT_EQ(turkishRun, test::kUcDenklemGauss);

    choose("Mn_English");
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("Mn_English"))->isChecked());
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("Mn_Turkce"))->isChecked());
    EXPECT_EQ(str(w->windowTitle()), "Solution Methods for Systems of Linear Equations");
    EXPECT_EQ(caption("Command_Hesapla"), "Calculate");
    EXPECT_EQ(caption("Option_LesGaussSidel"), "Gauss-Seidel iteration");
    EXPECT_EQ(str(child<QLabel>("Label2")->text()), "Maximum number of iterations");
    EXPECT_EQ(menuTitle(0), "File");
    EXPECT_EQ(menuTitle(2), "Language");
    EXPECT_EQ(lines(), turkishRun);
    // The longer captions fit: the font was chosen again.
    for (QWidget* c : w->centralWidget()->findChildren<QWidget*>())
        if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c))
            EXPECT_TRUE(ui::textFits(c)) << str(c->objectName());

    // What runs now speaks English; the list above stays Turkish.
    clickFile("uc.txt");
    press("Command_Hesapla");
    EXPECT_EQ(lines().front(), "Coefficient matrix");
    EXPECT_EQ(lines()[12], "Roots of the linear system");

    choose("Mn_Turkce");
    EXPECT_EQ(caption("Command_Hesapla"), "Hesapla");
    EXPECT_EQ(menuTitle(0), "Dosya");
}

TEST_F(LanguageMenu, TheChoiceIsRemembered) {
    EXPECT_EQ(ui::rememberedLanguage(), Language::Turkish);
    choose("Mn_English");
    EXPECT_EQ(ui::rememberedLanguage(), Language::English);
    // The next window starts in the language the program speaks.
    ui::MainWindow next;
    EXPECT_EQ(str(next.findChild<QPushButton*>(QStringLiteral("Command_Hesapla"))->text()), "Calculate");
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("Mn_English"))->isChecked());
    choose("Mn_Turkce");
    EXPECT_EQ(ui::rememberedLanguage(), Language::Turkish);
}

}  // namespace
}  // namespace lineer::uitest
