// The plots in the window: the "Grafik" menu opens them in the picture
// window, whose list chooses between them and the picture box.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

#include "cli_runner.h"
#include "picturewindow.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

struct PlotWindowTest : WindowTest {
    ui::PictureWindow* open(const char* item) {
        QAction* a = w->findChild<QAction*>(QLatin1String(item));
        EXPECT_NE(a, nullptr) << item;
        if (a) a->trigger();
        return w->findChild<ui::PictureWindow*>();
    }
};

TEST_F(PlotWindowTest, TheMenuOpensEachPlotOfTheLoadedSystem) {
    ui::PictureWindow* window = open("Mn_Omega");
    ASSERT_NE(window, nullptr);
    // Nothing loaded yet.
    EXPECT_EQ(window->plot().problem, "Çizim için bir dosya yükleyiniz.");
    w->openFile(QString::fromStdString(test::examplePath("kosegen-baskin.txt")));
    struct Case {
        const char* item;
        plots::Kind kind;
        std::size_t panels;
        const char* problem;
    };
    const Case cases[] = {
        {"Mn_Yakinsama", plots::Kind::Convergence, 1, ""},
        {"Mn_Omega", plots::Kind::Omega, 2, ""},
        {"Mn_Geometri", plots::Kind::Geometry, 0,
         "Geometri çizimi 2 × 2 bir sistem ister (2 satır, 3 sütun); bu matris 4 × 5."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_EQ(open(c.item), window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->shown(), c.kind);
        EXPECT_EQ(window->plot().plot.panels.size(), c.panels);
        EXPECT_EQ(window->plot().problem, c.problem);
        EXPECT_FALSE(window->findChild<QCheckBox*>(QStringLiteral("Check_Logaritmik"))->isEnabled());
        EXPECT_FALSE(window->grab().toImage().isNull());
    }
    // With no iteration chosen, the convergence plot compares them all.
    open("Mn_Yakinsama");
    EXPECT_EQ(window->plot().plot.title, "İterasyon yöntemlerinin yakınsaması (SOR için ω = 1)");
    // Back to the picture box, whose plot may take a logarithmic axis.
    auto* choice = window->findChild<QComboBox*>(QStringLiteral("Combo_Cizim"));
    choice->setCurrentIndex(0);
    emit choice->activated(0);
    EXPECT_FALSE(window->shown());
    EXPECT_TRUE(window->findChild<QCheckBox*>(QStringLiteral("Check_Logaritmik"))->isEnabled());
}

}  // namespace
}  // namespace lineer::uitest
