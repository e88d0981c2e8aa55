#include "export.h"

#include "pages.h"

namespace lineer::ui {

ExportKind exportKind(const QString& path) { return exporting::exportKind(path.toStdString()); }

QByteArray exportDocument(const Handout& h, ExportKind kind, bool bodyOnly) {
    if (kind == ExportKind::Pdf) return handoutPdf(h);
    exporting::Document d{h.lines, h.heading.toStdString(), h.date.toStdString(), {}};
    // Only the HTML page embeds the picture.
    if (kind == ExportKind::Html && h.hasPicture()) {
        const QByteArray png = pictureFile(*h.picture, kLargePicture, false, h.decimal);
        d.png.assign(png.constData(), static_cast<std::size_t>(png.size()));
    }
    return QByteArray::fromStdString(exporting::exportText(kind, d, bodyOnly));
}

}  // namespace lineer::ui
