#include "handoutcommands.h"

#include <QPrinter>

#include <utility>

#include "handoutdialogs.h"
#include "picturecanvas.h"
#include "printing.h"
#include "resultslist.h"
#include "session.h"
#include "uitext.h"

namespace lineer::ui {

HandoutCommands::HandoutCommands(QWidget* window, const ResultsView& list, const PictureCanvas& canvas,
                                 const Session& session, std::function<QString()> folder, Asks asks)
    : window_(window), list_(list), canvas_(canvas), session_(session), folder_(std::move(folder)),
      asks_(std::move(asks)) {}

QString HandoutCommands::heading() const {
    return handoutHeading(QString::fromStdString(session_.loadedPath()),
                          QString::fromStdString(session_.methodRun()).trimmed());
}

Handout HandoutCommands::handout() const {
    list_.results()->flush();
    Handout h = handoutOf(*list_.results(), heading(), &canvas_.record(), session_.context().decimal);
    for (const QString& r : list_.remarks()) h.lines.emplace_back(LineKind::Remark, LinePart::Method, r.toStdString());
    return h;
}

void HandoutCommands::printDialog() {
    QPrinter printer(QPrinter::HighResolution);
    if (choosePrinter(printer, heading(), window_)) printTo(printer);
}

void HandoutCommands::printTo(QPrinter& printer) {
    useHandoutMargins(printer);
    const std::string failed = printConfirmed(handout(), printer, asks_.question);
    if (!failed.empty()) asks_.message(failed);
}

void HandoutCommands::exportDialog() {
    const QString path =
        asks_.savePath(uiText(Text::ExportTitle),
                       proposedExportPath(QString::fromStdString(session_.loadedPath()), folder_()),
                       uiText(Text::ExportFilter));
    if (!path.isEmpty()) exportTo(path);
}

void HandoutCommands::exportTo(const QString& path) {
    const std::string failed = exportHandout(path, [this] { return handout(); });
    if (!failed.empty()) asks_.message(failed);
}

}  // namespace lineer::ui
