#pragma once
// The results list as a document to keep working on: LaTeX (each table of
// numbers a bmatrix, the roots an align* block, the other lines as text)
// and one self-contained HTML page (each table an HTML table with the
// numbers to the right, the picture embedded). Same lines in the same
// order as the list; UTF-8 in and out.

#include <string>
#include <string_view>

#include "document.h"

namespace lineer::exporting {

// The formats a handout is written in. PDF is the printed pages, which
// the layer that prints makes.
enum class ExportKind { None, Latex, Html, Pdf };

// The kind of a file by its extension (.tex, .html or .htm, .pdf; any case).
ExportKind exportKind(std::string_view path);

// A complete LaTeX document for pdflatex. With `bodyOnly`, only the part to
// paste into another document (which needs amsmath); the complete document
// marks that part with comments.
std::string latexDocument(const Document& d, bool bodyOnly = false);

// One HTML page that needs no other file.
std::string htmlDocument(const Document& d);

// The document of a text kind (LaTeX, HTML); empty for the others.
std::string exportText(ExportKind kind, const Document& d, bool bodyOnly = false);

}  // namespace lineer::exporting
