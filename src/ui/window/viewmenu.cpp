#include "viewmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "menus.h"

namespace lineer::ui {

namespace {
const QString kStepsKey = QStringLiteral("gorunum/adimlariGoster");

QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }
}  // namespace

QAction* addViewMenu(Menus& menus, QMenuBar* bar) {
    QMenu* menu = menus.addMenu(bar, "Mn_Gorunum", Text::ViewMenu, {});
    QAction* steps = menu->addAction(QString());
    steps->setObjectName(QStringLiteral("Mn_Adimlar"));
    menus.add(steps, Text::ShowStepsItem);
    steps->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    steps->setShortcutContext(Qt::WindowShortcut);
    steps->setCheckable(true);
    steps->setChecked(settings().value(kStepsKey, false).toBool());
    QObject::connect(steps, &QAction::toggled, steps, [](bool on) { settings().setValue(kStepsKey, on); });
    return steps;
}

}  // namespace lineer::ui
