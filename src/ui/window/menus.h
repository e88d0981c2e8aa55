#pragma once
// The window's menus as tables: one row per entry, so a new entry is one
// new row. Every caption is a key of the catalogue, so the captions can be
// set again.

#include <QKeySequence>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "texts.h"

class QAction;
class QMenu;
class QMenuBar;

namespace lineer::ui {

struct MenuEntry {
    const char* name;  // object name of the action
    PlainText text;
    QKeySequence keys;
    std::function<void()> run;
    bool separatorBefore = false;
};

// The menus of one window and the catalogue keys of their captions.
class Menus {
public:
    // Appends a menu with the given entries to the bar and returns it.
    QMenu* addMenu(QMenuBar* bar, const char* name, PlainText title, std::initializer_list<MenuEntry> entries);
    // A captioned action that stands for itself: a menu bar's own entry, a
    // checkable entry.
    void add(QAction* action, PlainText text);
    // Sets every caption from the catalogue again.
    void setTexts() const;

private:
    std::vector<std::pair<QAction*, PlainText>> captions_;
};

}  // namespace lineer::ui
