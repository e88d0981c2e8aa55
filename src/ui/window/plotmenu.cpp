#include "plotmenu.h"

#include <QMenuBar>

#include "mainwindow.h"
#include "menus.h"

namespace lineer::ui {

void addPlotMenu(Menus& menus, QMenuBar* bar, std::function<void(plots::Kind)> open) {
    menus.addMenu(bar, "Mn_Grafik", Text::PlotMenu,
                  {
                      {"Mn_Yakinsama", Text::PlotConvergenceItem, {}, [open] { open(plots::Kind::Convergence); }},
                      {"Mn_Omega", Text::PlotOmegaItem, {}, [open] { open(plots::Kind::Omega); }},
                      {"Mn_Geometri", Text::PlotGeometryItem, {}, [open] { open(plots::Kind::Geometry); }},
                  });
}

PictureWindow::PlotSource plotSource(MainWindow& window) {
    return [&window](plots::Kind kind) {
        const Session& session = window.session();
        if (session.asLoaded().n == 0) return plots::Result{{}, std::string(text(Text::PlotNoFile))};
        const RunRequest request = window.request();
        const bool iterates = request.option && methodRow(*request.option).analysed.iteration;
        return plots::make(kind, session.asLoaded(), request.params, request.option, !iterates,
                           session.context().decimal);
    };
}

}  // namespace lineer::ui
