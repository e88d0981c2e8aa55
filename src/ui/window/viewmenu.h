#pragma once
// The "Görünüm" menu of the main window.

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace lineer::ui {

class Menus;

// The entries of the "Görünüm" menu that the window reads.
struct ViewActions {
    QMenu* menu = nullptr;
    QAction* steps = nullptr;     // "Adımları göster"
    QAction* analysis = nullptr;  // "Analizi göster"
};

// Adds the "Görünüm" menu to `bar`: the checkable "Adımları göster" and
// "Analizi göster", each starting as the user left it (off the first time)
// and remembered whenever it changes, and "Yöntemleri karşılaştır", which
// calls `compare`.
ViewActions addViewMenu(Menus& menus, QMenuBar* bar, std::function<void()> compare);

}  // namespace lineer::ui
