#pragma once
// The export as the window and the command line reach it: the LaTeX and
// HTML documents come from the plain core (exporter.h), given the picture
// encoded here; PDF is the printed pages.

#include <QByteArray>
#include <QSize>
#include <QString>

#include "exporter.h"
#include "handout.h"

namespace lineer::ui {

using exporting::ExportKind;

// The kind of a file by its extension (.tex, .html or .htm, .pdf; any case).
ExportKind exportKind(const QString& path);

// The size of the picture in the HTML page and in a larger picture file by
// default.
inline constexpr QSize kLargePicture{exporting::kLargePictureWidth, exporting::kLargePictureHeight};

// The file's bytes for a kind: the document, or the PDF pages. With
// `bodyOnly`, LaTeX only the part to paste into another document.
QByteArray exportDocument(const Handout& h, ExportKind kind, bool bodyOnly = false);

}  // namespace lineer::ui
