#pragma once
// The "Grafik" submenu of the view menu: the plots of the loaded system,
// opened in the picture window. A submenu, so the menu bar keeps its
// entries and their letters.

#include <functional>

#include "picturewindow.h"
#include "plots.h"

class QMenu;

namespace lineer::ui {

class MainWindow;
class Menus;

// Adds "Grafik" to `view`: convergence, sweeps against ω, the geometry of a
// 2 × 2 system; each calls `open` with its plot.
void addPlotMenu(Menus& menus, QMenu* view, std::function<void(plots::Kind)> open);

// The plots of what `window` has loaded, with its boxes and its chosen
// method: the convergence of that method when it iterates, of all the
// iterations otherwise.
PictureWindow::PlotSource plotSource(MainWindow& window);

}  // namespace lineer::ui
