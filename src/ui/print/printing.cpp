#include "printing.h"

#include <QPrinter>

#include <algorithm>

#include "pages.h"
#include "replacefile.h"
#include "resultslist.h"

namespace lineer::ui {

Handout handoutOf(const ResultsModel& results, const QString& heading, const PictureRecord* picture,
                  std::string decimal) {
    Handout h;
    h.lines.reserve(results.lineCount());
    for (std::size_t i = 0; i < results.lineCount(); ++i) h.lines.push_back(results.at(i));
    h.heading = heading;
    h.date = handoutDate();
    h.picture = picture;
    h.decimal = std::move(decimal);
    return h;
}

void useHandoutMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.margins();
    const QMarginsF wider(std::max(m.left(), kMinMarginMm), std::max(m.top(), kMinMarginMm),
                          std::max(m.right(), kMinMarginMm), std::max(m.bottom(), kMinMarginMm));
    if (wider != m) {
        layout.setMinimumMargins(QMarginsF());
        layout.setMargins(wider);
        printer.setPageLayout(layout);
    }
}

int printHandout(const Handout& h, QPrinter& printer, QString* why) {
    if (why) why->clear();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        int pages = 0;
        const QByteArray pdf = handoutPdf(h, printer.pageLayout(), &pages);
        if (pdf.isEmpty()) return 0;
        const std::string failed = replaceFileContents(printer.outputFileName().toStdString(),
                                                       std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        if (!failed.empty()) {
            if (why) *why = QString::fromStdString(failed);
            return 0;
        }
        return pages;
    }
    return paintPages(printer, h);
}

}  // namespace lineer::ui
