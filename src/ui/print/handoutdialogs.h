#pragma once
// The window's printing and export: the print dialog, the question before
// a long print, and the export file.

#include <QString>

#include <functional>
#include <string>

#include "handout.h"

class QPrinter;
class QWidget;

namespace lineer::ui {

// More pages than this are printed only when the user says so.
inline constexpr int kAskAbovePages = 50;

// "Yazdır...": sets `printer` to the handouts' page layout and the document
// name `docName`, and shows the print dialog; whether the user chose to
// print.
bool choosePrinter(QPrinter& printer, const QString& docName, QWidget* parent);

// Prints `h` on a printer already set up; above kAskAbovePages pages only
// when `confirm` says yes to the question it is given. Returns why printing
// failed; empty when it printed or the user declined.
std::string printConfirmed(const Handout& h, QPrinter& printer, const std::function<bool(const QString&)>& confirm);

// The box that asks before a long print: the question, with "Yazdır" (the
// default) and "İptal"; whether the user chose to print.
bool confirmLongPrint(QWidget* parent, const QString& question);

// The file "Dışa aktar..." proposes: "<file>.tex" for the file last loaded
// (`loadedPath`, empty before any load), in `folder`.
QString proposedExportPath(const QString& loadedPath, const QString& folder);

// Writes the handout to `path` as LaTeX, HTML or PDF by the extension; the
// handout is made only for an extension it knows. Returns why it was not
// written; empty when it was.
std::string exportHandout(const QString& path, const std::function<Handout()>& handout);

}  // namespace lineer::ui
