#include "menus.h"

#include <QMenu>
#include <QMenuBar>

namespace lineer::ui {

QMenu* addMenu(QMenuBar* bar, const char* name, const char* title, std::initializer_list<MenuEntry> entries) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QLatin1String(name));
    for (const MenuEntry& e : entries) {
        if (!e.text) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(QString::fromUtf8(e.text));
        a->setObjectName(QLatin1String(e.name));
        a->setShortcut(e.keys);
        // The shortcuts work wherever the focus is in the window.
        a->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(a, &QAction::triggered, menu, [run = e.run] { run(); });
    }
    return menu;
}

}  // namespace lineer::ui
