#pragma once
// The "Görünüm" menu of the main window.

class QAction;
class QMenuBar;

namespace lineer::ui {

// Adds the "Görünüm" menu to `bar` and returns its checkable "Adımları
// göster". The entry starts as the user left it (off the first time) and is
// remembered whenever it changes.
QAction* addViewMenu(QMenuBar* bar);

}  // namespace lineer::ui
