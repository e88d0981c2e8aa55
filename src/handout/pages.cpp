#include "pages.h"

#include <QBuffer>
#include <QDateTime>
#include <QHashFunctions>
#include <QTimeZone>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

#include "document.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

// Continuation rows of a wrapped line stand this many characters in.
constexpr int kIndent = 4;
// Cells of a table stand this many spaces apart.
constexpr int kGap = 2;

class PageWriter {
public:
    PageWriter(int perPage, std::vector<Page>& pages) : perPage_(std::max(perPage, 1)), pages_(pages) {
        pages_.emplace_back();
    }
    int left() const { return perPage_ - static_cast<int>(pages_.back().lines.size()); }
    void newPage() { pages_.emplace_back(); }
    void line(QString text) {
        if (left() <= 0) newPage();
        pages_.back().lines.push_back(std::move(text));
    }
    void picture(int lines) {
        if (left() < lines && !pages_.back().lines.empty()) newPage();
        pages_.back().picture = true;
    }

private:
    int perPage_;
    std::vector<Page>& pages_;
};

// A text line in rows of at most `columns` characters, broken at spaces;
// a word longer than a row is broken where the row ends.
void wrapText(PageWriter& out, const QString& text, int columns) {
    if (text.size() <= columns) {
        out.line(text);
        return;
    }
    qsizetype at = 0;
    bool first = true;
    while (at < text.size()) {
        const QString indent = first ? QString() : QString(kIndent, QLatin1Char(' '));
        const qsizetype room = std::max<qsizetype>(columns - indent.size(), 1);
        if (text.size() - at <= room) {
            out.line(indent + text.mid(at));
            break;
        }
        qsizetype cut = text.lastIndexOf(QLatin1Char(' '), at + room);
        if (cut <= at) cut = at + room;  // one word longer than the row
        const QString piece = text.mid(at, cut - at);
        if (!piece.trimmed().isEmpty() || first) out.line(indent + piece);
        at = cut;
        while (at < text.size() && text[at] == QLatin1Char(' ')) ++at;
        first = false;
    }
}

QString cellRow(const std::vector<std::vector<QString>>& cells, std::size_t r, std::size_t from, std::size_t to,
                const std::vector<int>& widths) {
    QString line;
    for (std::size_t j = from; j < to; ++j) {
        if (j > from) line += QString(kGap, QLatin1Char(' '));
        const QString& c = j < cells[r].size() ? cells[r][j] : QString();
        line += c.rightJustified(widths[j], QLatin1Char(' '));
    }
    return line;
}

// A table: one printed row per row when it fits the width, otherwise in
// blocks of whole columns, each under its heading, repeated when the
// block goes on on the next page.
void layoutTable(PageWriter& out, const std::vector<ResultLine>& lines, exporting::TableSpan span, int columns) {
    std::vector<std::vector<QString>> cells;
    std::vector<int> widths;
    for (std::size_t i = span.first; i < span.end; ++i) {
        std::vector<QString>& row = cells.emplace_back();
        for (std::size_t k = 0; k < lines[i].cells.size(); ++k) {
            const std::string_view c = lines[i].cell(k);
            row.push_back(QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size())));
        }
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t j = 0; j < row.size(); ++j) widths[j] = std::max(widths[j], static_cast<int>(row[j].size()));
    }
    const std::size_t ncols = widths.size();
    std::size_t from = 0;
    bool blocks = false;
    {
        int total = 0;
        for (std::size_t j = 0; j < ncols; ++j) total += widths[j] + (j > 0 ? kGap : 0);
        blocks = total > columns;
    }
    do {
        std::size_t to = from;
        int used = 0;
        while (to < ncols && (to == from || used + kGap + widths[to] <= columns)) {
            used += widths[to] + (to > from ? kGap : 0);
            ++to;
        }
        const QString heading = blocks ? uiFormat(Text::PrintColumns, static_cast<int>(from + 1), static_cast<int>(to))
                                       : QString();
        if (blocks) {
            if (from > 0) out.line(QString());
            if (out.left() < 2) out.newPage();
            out.line(heading);
        }
        for (std::size_t r = 0; r < cells.size(); ++r) {
            if (blocks && out.left() <= 0) {
                out.newPage();
                out.line(heading);
            }
            const QString row = cellRow(cells, r, from, to, widths);
            // A single cell wider than the page (a number of hundreds of
            // digits) is the one thing that has to be broken.
            if (row.size() > columns)
                wrapText(out, row, columns);
            else
                out.line(row);
        }
        from = to;
    } while (from < ncols);
}

struct Geometry {
    QFont font, headFont;
    double lineHeight = 1, charWidth = 1;
    QSizeF area;
    int columns = 1, perPage = 1, pictureLines = 0;
    double contentTop = 0;
};

Geometry measure(QPagedPaintDevice& device, const Handout& h) {
    Geometry g;
    g.font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    g.font.setStyleHint(QFont::TypeWriter);
    g.font.setFixedPitch(true);
    g.font.setPointSizeF(8.5);
    g.headFont = g.font;
    g.headFont.setBold(true);
    const QFontMetricsF fm(g.font, &device);
    g.lineHeight = fm.lineSpacing();
    g.charWidth = fm.horizontalAdvance(QLatin1Char('0'));
    g.area = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    g.contentTop = 2 * g.lineHeight;
    const double contentHeight = g.area.height() - 4 * g.lineHeight;
    g.columns = std::max(8, static_cast<int>(std::floor(g.area.width() / g.charWidth)));
    g.perPage = std::max(4, static_cast<int>(std::floor(contentHeight / g.lineHeight)));
    if (h.hasPicture()) {
        const double height = std::min(g.area.width() * 0.75, contentHeight * 0.6);
        g.pictureLines = std::min(g.perPage, static_cast<int>(std::ceil(height / g.lineHeight)));
    }
    return g;
}

}  // namespace

std::vector<Page> layoutPages(const Handout& h, int columns, int perPage, int pictureLines) {
    std::vector<Page> pages;
    PageWriter out(perPage, pages);
    columns = std::max(columns, kIndent + 1);
    for (std::size_t i = 0; i < h.lines.size();) {
        if (exporting::numberTableRow(h.lines[i])) {
            const exporting::TableSpan span = exporting::tableAt(h.lines, i);
            layoutTable(out, h.lines, span, columns);
            i = span.end;
        } else {
            wrapText(out, QString::fromStdString(h.lines[i].text), columns);
            ++i;
        }
    }
    if (h.hasPicture()) {
        if (!pages.back().lines.empty()) out.line(QString());
        out.picture(pictureLines);
    }
    return pages;
}

QPageLayout handoutPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter, QMarginsF(kMinMarginMm, kMinMarginMm, kMinMarginMm, kMinMarginMm));
}

int countPages(QPagedPaintDevice& device, const Handout& h) {
    const Geometry g = measure(device, h);
    return static_cast<int>(layoutPages(h, g.columns, g.perPage, g.pictureLines).size());
}

int paintPages(QPagedPaintDevice& device, const Handout& h) {
    const Geometry g = measure(device, h);
    const std::vector<Page> pages = layoutPages(h, g.columns, g.perPage, g.pictureLines);
    QPainter p;
    if (!p.begin(&device)) return 0;
    const int count = static_cast<int>(pages.size());
    const QFontMetricsF hm(g.headFont, &device);
    const QFontMetricsF fm(g.font, &device);
    const QString date = uiFormat(Text::PrintDate, h.date);
    for (int k = 0; k < count; ++k) {
        if (k > 0 && !device.newPage()) return 0;
        const Page& page = pages[static_cast<std::size_t>(k)];
        p.setPen(Qt::black);
        p.setFont(g.headFont);
        const QRectF head(0, 0, g.area.width(), g.lineHeight);
        const double dateWidth = hm.horizontalAdvance(date) + 2 * g.charWidth;
        p.drawText(head, Qt::AlignLeft | Qt::AlignVCenter,
                   hm.elidedText(h.heading, Qt::ElideMiddle, g.area.width() - dateWidth));
        p.drawText(head, Qt::AlignRight | Qt::AlignVCenter, date);
        p.drawLine(QPointF(0, g.lineHeight * 1.4), QPointF(g.area.width(), g.lineHeight * 1.4));

        p.setFont(g.font);
        double y = g.contentTop;
        for (const QString& line : page.lines) {
            p.drawText(QPointF(0, y + fm.ascent()), line);
            y += g.lineHeight;
        }
        if (page.picture && h.picture) {
            const double height = g.pictureLines * g.lineHeight;
            const double width = std::min(g.area.width(), height * 4 / 3);
            drawPicture(p, QRectF((g.area.width() - width) / 2, y, width, height), *h.picture, h.decimal);
            p.setFont(g.font);
        }

        const QRectF foot(0, g.area.height() - g.lineHeight, g.area.width(), g.lineHeight);
        p.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter, uiFormat(Text::PrintPage, k + 1, count));
    }
    return p.end() ? count : 0;
}

QByteArray handoutPdf(const Handout& h, const QPageLayout& layout, int* pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        // QPdfWriter writes its fonts in the order of a QHash; fixing the
        // hash seed while it writes makes one document the same bytes in
        // every process.
        QHashSeed::setDeterministicGlobalSeed();
        struct RandomAgain {
            ~RandomAgain() { QHashSeed::resetRandomGlobalSeed(); }
        } randomAgain;
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(layout);
        writer.setTitle(h.heading);
        writer.setCreator(QStringLiteral("lineer"));
        const int count = paintPages(writer, h);
        if (count == 0) return {};
        if (pages) *pages = count;
    }
    // The writer stamps the file with the time it was made; a given date
    // (SOURCE_DATE_EPOCH) takes its place, in as many characters, so the
    // same run makes the same bytes.
    bool given = false;
    const qlonglong seconds = qgetenv("SOURCE_DATE_EPOCH").toLongLong(&given);
    const qsizetype at = bytes.indexOf("/CreationDate (D:");
    if (given && seconds >= 0 && at >= 0) {
        const QByteArray stamp =
            QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
        const qsizetype digits = at + 17;
        if (stamp.size() == 14 && digits + 14 <= bytes.size()) bytes.replace(digits, 14, stamp);
    }
    return bytes;
}

}  // namespace lineer::ui
