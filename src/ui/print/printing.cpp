#include "printing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "resultslist.h"
#include "uitext.h"

namespace lineer::ui {

std::vector<QString> wrapRows(const std::vector<QString>& lines, int columns) {
    columns = std::max(columns, 1);
    std::vector<QString> rows;
    rows.reserve(lines.size());
    for (const QString& l : lines) {
        if (l.size() <= columns) {
            rows.push_back(l);
            continue;
        }
        for (qsizetype at = 0; at < l.size(); at += columns) rows.push_back(l.mid(at, columns));
    }
    return rows;
}

int printResults(const ResultsModel& results, const QString& heading, QPrinter& printer) {
    std::vector<QString> lines;
    lines.reserve(results.lineCount());
    qsizetype widest = 0;
    for (std::size_t i = 0; i < results.lineCount(); ++i) {
        lines.push_back(QString::fromStdString(results.line(i)));
        widest = std::max(widest, lines.back().size());
    }

    QPainter p;
    if (!p.begin(&printer)) return 0;
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());

    // The largest size from 10 points down to 7 at which the widest line
    // fits; below that the digits get too small, and long lines wrap.
    QFont font = monospaceFont(12);
    double charWidth = 1;
    for (double pt = 10; pt >= 7; pt -= 0.5) {
        font.setPointSizeF(pt);
        charWidth = QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char('0'));
        if (charWidth * static_cast<double>(widest) <= area.width()) break;
    }
    const QFontMetricsF fm(font, &printer);
    const int columns = std::max(1, static_cast<int>(std::floor(area.width() / charWidth)));
    const std::vector<QString> rows = wrapRows(lines, columns);

    QFont headFont = font;
    headFont.setBold(true);
    const QFontMetricsF hm(headFont, &printer);
    const double top = hm.height() * 2;
    const int perPage = std::max(1, static_cast<int>((area.height() - top) / fm.height()));
    const int pages = std::max(1, static_cast<int>((rows.size() + perPage - 1) / perPage));

    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) return 0;
        p.setFont(headFont);
        const QRectF head(0, 0, area.width(), hm.height());
        p.drawText(head, Qt::AlignLeft | Qt::AlignTop, hm.elidedText(heading, Qt::ElideMiddle, area.width() * 0.75));
        p.drawText(head, Qt::AlignRight | Qt::AlignTop, uiFormat(Text::PrintPage, page + 1, pages));
        p.drawLine(QPointF(0, hm.height() * 1.25), QPointF(area.width(), hm.height() * 1.25));
        p.setFont(font);
        const std::size_t first = static_cast<std::size_t>(page) * static_cast<std::size_t>(perPage);
        const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(perPage));
        for (std::size_t r = first; r < last; ++r)
            p.drawText(QPointF(0, top + static_cast<double>(r - first) * fm.height() + fm.ascent()), rows[r]);
    }
    return p.end() ? pages : 0;
}

}  // namespace lineer::ui
