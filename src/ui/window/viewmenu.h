#pragma once
// The "Görünüm" menu of the main window.

class QAction;
class QMenuBar;

namespace lineer::ui {

class Menus;

// Adds the "Görünüm" menu to `bar` and returns its checkable "Adımları
// göster". The entry starts as the user left it (off the first time) and is
// remembered whenever it changes.
QAction* addViewMenu(Menus& menus, QMenuBar* bar);

}  // namespace lineer::ui
