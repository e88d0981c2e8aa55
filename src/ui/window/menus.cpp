#include "menus.h"

#include <QMenu>
#include <QMenuBar>

#include "uitext.h"

namespace lineer::ui {

QMenu* Menus::addMenu(QMenuBar* bar, const char* name, PlainText title, std::initializer_list<MenuEntry> entries) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    add(menu->menuAction(), title);
    for (const MenuEntry& e : entries) {
        if (e.separatorBefore) menu->addSeparator();
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(e.name));
        a->setShortcut(e.keys);
        // The shortcuts work wherever the focus is in the window.
        a->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(a, &QAction::triggered, menu, [run = e.run] { run(); });
        add(a, e.text);
    }
    return menu;
}

void Menus::add(QAction* action, PlainText text) {
    captions_.emplace_back(action, text);
    action->setText(uiText(text));
}

void Menus::setTexts() const {
    for (const auto& [action, text] : captions_) action->setText(uiText(text));
}

}  // namespace lineer::ui
