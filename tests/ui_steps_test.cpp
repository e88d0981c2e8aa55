// The "Görünüm" menu's "Adımları göster": off at first, remembered by the
// next window, and what it adds to a run.

#include <QAction>
#include <QFontMetrics>

#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using StepsSwitch = WindowTest;

TEST_F(StepsSwitch, StartsOffAddsTheExplanationsAndIsRemembered) {
    auto* steps = child<QAction>("Mn_Adimlar");
    ASSERT_NE(steps, nullptr);
    EXPECT_TRUE(steps->isCheckable());
    EXPECT_FALSE(steps->isChecked());

    goTo(writeFile("uc.txt", kThreeEquations));
    const std::vector<std::string> plain = calculate("uc.txt", Option::LesGauss);
    steps->trigger();
    std::vector<std::string> explained = calculate("uc.txt", Option::LesGauss);
    // Two groups, each set apart from the matrix above it.
    ASSERT_EQ(explained.size(), plain.size() + 10);
    EXPECT_EQ(explained[5], " ");
    EXPECT_EQ(explained[6], "Adımlar");
    EXPECT_EQ(explained[7], "2. satır ← 2. satır − (-1.5000) × 1. satır");
    EXPECT_EQ(explained.back(), plain.back());
    // Every sign of the explanations is drawn by the list's own font, at its
    // size.
    const QFontMetrics list(w->results()->font());
    for (const char* sign : {"←", "−", "×", "β", "γ", "δ", "⁻", "¹", "·"})
        EXPECT_TRUE(list.inFontUcs4(QString::fromUtf8(sign).toUcs4().at(0))) << sign;

    // The next window starts as this one was left; switching it off there
    // leaves the default for the tests after this one.
    w = std::make_unique<ui::MainWindow>();
    auto* again = child<QAction>("Mn_Adimlar");
    EXPECT_TRUE(again->isChecked());
    again->trigger();
    EXPECT_FALSE(ui::MainWindow().findChild<QAction*>(QStringLiteral("Mn_Adimlar"))->isChecked());
}

}  // namespace
}  // namespace lineer::uitest
