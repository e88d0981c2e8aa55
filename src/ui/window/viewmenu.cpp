#include "viewmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace lineer::ui {

namespace {
const QString kStepsKey = QStringLiteral("gorunum/adimlariGoster");

QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }
}  // namespace

QAction* addViewMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("Görünüm"));
    menu->setObjectName(QStringLiteral("Mn_Gorunum"));
    QAction* steps = menu->addAction(QStringLiteral("Adımları göster"));
    steps->setObjectName(QStringLiteral("Mn_Adimlar"));
    steps->setCheckable(true);
    steps->setChecked(settings().value(kStepsKey, false).toBool());
    QObject::connect(steps, &QAction::toggled, steps, [](bool on) { settings().setValue(kStepsKey, on); });
    return steps;
}

}  // namespace lineer::ui
