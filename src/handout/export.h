#pragma once
// The results list as a document to keep working on: LaTeX (each table a
// bmatrix, the roots an align* block, the other lines as text) and one
// self-contained HTML page (each table an HTML table with the numbers to
// the right, the picture embedded as PNG). Same lines in the same order as
// the list.

#include <QByteArray>
#include <QSize>
#include <QString>

#include "handout.h"

namespace lineer::ui {

enum class ExportKind { None, Latex, Html, Pdf };

// The kind of a file by its extension (.tex, .html or .htm, .pdf; any case).
ExportKind exportKind(const QString& path);

// A complete LaTeX document for pdflatex, in UTF-8. With `bodyOnly`, only
// the part to paste into another document (which needs amsmath); the
// complete document marks that part with comments.
QByteArray latexDocument(const Handout& h, bool bodyOnly = false);

// One HTML page that needs no other file.
QByteArray htmlDocument(const Handout& h);

// The size of the picture in the HTML page and in a larger picture file by
// default: twice the picture box, and then some.
inline constexpr QSize kLargePicture{700, 525};

// The file's bytes for a kind: the document, or the PDF pages.
QByteArray exportDocument(const Handout& h, ExportKind kind, bool bodyOnly = false);

}  // namespace lineer::ui
