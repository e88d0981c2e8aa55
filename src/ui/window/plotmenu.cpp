#include "plotmenu.h"

#include <QAction>
#include <QMenu>

#include "mainwindow.h"
#include "menus.h"

namespace lineer::ui {

void addPlotMenu(Menus& menus, QMenu* view, std::function<void(plots::Kind)> open) {
    QMenu* menu = view->addMenu(QString());
    menu->setObjectName(QStringLiteral("Mn_Grafik"));
    menus.add(menu->menuAction(), Text::PlotMenu);
    const auto entry = [&](const char* name, PlainText caption, plots::Kind kind) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        menus.add(a, caption);
        QObject::connect(a, &QAction::triggered, menu, [open, kind] { open(kind); });
    };
    entry("Mn_Yakinsama", Text::PlotConvergenceItem, plots::Kind::Convergence);
    entry("Mn_Omega", Text::PlotOmegaItem, plots::Kind::Omega);
    entry("Mn_Geometri", Text::PlotGeometryItem, plots::Kind::Geometry);
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
