#include "viewmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "menus.h"

namespace lineer::ui {

namespace {
const QString kStepsKey = QStringLiteral("gorunum/adimlariGoster");
const QString kAnalysisKey = QStringLiteral("gorunum/analiziGoster");

QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }

// A checkable entry remembered under `key`.
QAction* remembered(Menus& menus, QMenu* menu, const char* name, PlainText caption, const QString& key) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QLatin1String(name));
    menus.add(a, caption);
    a->setCheckable(true);
    a->setChecked(settings().value(key, false).toBool());
    QObject::connect(a, &QAction::toggled, a, [key](bool on) { settings().setValue(key, on); });
    return a;
}
}  // namespace

ViewActions addViewMenu(Menus& menus, QMenuBar* bar, std::function<void()> compare) {
    QMenu* menu = menus.addMenu(bar, "Mn_Gorunum", Text::ViewMenu, {});
    ViewActions actions;
    actions.menu = menu;
    actions.steps = remembered(menus, menu, "Mn_Adimlar", Text::ShowStepsItem, kStepsKey);
    actions.steps->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    actions.steps->setShortcutContext(Qt::WindowShortcut);
    actions.analysis = remembered(menus, menu, "Mn_Analiz", Text::ShowAnalysisItem, kAnalysisKey);
    menu->addSeparator();
    QAction* c = menu->addAction(QString());
    c->setObjectName(QStringLiteral("Mn_Karsilastir"));
    menus.add(c, Text::CompareItem);
    c->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    c->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(c, &QAction::triggered, menu, [compare = std::move(compare)] { compare(); });
    return actions;
}

}  // namespace lineer::ui
