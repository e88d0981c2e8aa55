// "Görünüm" > "Analizi göster" and "Yöntemleri karşılaştır".

#include <QAction>

#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using AnalysisSwitch = WindowTest;

TEST_F(AnalysisSwitch, StartsOffAddsTheAnalysisAndIsRemembered) {
    auto* analysis = child<QAction>("Mn_Analiz");
    ASSERT_NE(analysis, nullptr);
    EXPECT_TRUE(analysis->isCheckable());
    EXPECT_FALSE(analysis->isChecked());

    goTo(writeFile("uc.txt", kThreeEquations));
    const std::vector<std::string> plain = calculate("uc.txt", Option::LesGauss);
    analysis->trigger();
    const std::vector<std::string> analysed = calculate("uc.txt", Option::LesGauss);
    ASSERT_GT(analysed.size(), plain.size());
    EXPECT_EQ(std::vector<std::string>(analysed.begin(), analysed.begin() + static_cast<long>(plain.size())), plain);
    EXPECT_EQ(analysed[plain.size() + 1], "Doğruluk analizi");

    w = std::make_unique<ui::MainWindow>();
    auto* again = child<QAction>("Mn_Analiz");
    EXPECT_TRUE(again->isChecked());
    again->trigger();
    EXPECT_FALSE(ui::MainWindow().findChild<QAction*>(QStringLiteral("Mn_Analiz"))->isChecked());
}

TEST_F(AnalysisSwitch, CompareRunsFromItsShortcutAndKeepsTheFileLoaded) {
    auto* compare = child<QAction>("Mn_Karsilastir");
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    compare->trigger();
    EXPECT_EQ(messages, std::vector<std::string>{"Katsayılar matrisi için bir dosya seçiniz"});

    goTo(writeFile("uc.txt", kThreeEquations));
    clickFile("uc.txt");
    QTest::keyClick(w.get(), Qt::Key_K, Qt::ControlModifier);
    const auto after = lines();
    EXPECT_NE(std::find(after.begin(), after.end(), "Yöntemlerin karşılaştırılması"), after.end());
    EXPECT_TRUE(w->session().loaded());
}

}  // namespace
}  // namespace lineer::uitest
