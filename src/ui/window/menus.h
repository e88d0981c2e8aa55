#pragma once
// The window's menus as tables: one row per entry, so a new entry is one
// new row.

#include <QKeySequence>
#include <QString>

#include <functional>
#include <initializer_list>

class QMenu;
class QMenuBar;

namespace lineer::ui {

struct MenuEntry {
    const char* name;  // object name of the action
    const char* text;  // caption, UTF-8; nullptr for a separator
    QKeySequence keys;
    std::function<void()> run;
};

// Appends a menu with the given entries to the bar and returns it.
QMenu* addMenu(QMenuBar* bar, const char* name, const char* title, std::initializer_list<MenuEntry> entries);

}  // namespace lineer::ui
