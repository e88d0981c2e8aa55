#pragma once
// What the "Dosya" menu writes: the results list as text, the picture as
// PNG, and the results list on a printer. Files go through a temporary
// file that replaces the target only when it is complete.

#include <QString>

#include <vector>

class QImage;
class QPrinter;

namespace lineer::ui {

class ResultsModel;

// Writes every line of the list as UTF-8, each ending in a line feed, the
// bytes the command line prints. Returns an empty string on success, else
// the reason in Turkish; a failed write leaves an earlier file untouched.
QString saveResults(const ResultsModel& results, const QString& path);

// Saves the image as PNG; the result as for saveResults.
QString savePicture(const QImage& image, const QString& path);

// The printed rows of `lines` when a row holds `columns` characters: a
// longer line goes on in the next rows, so no character is lost.
std::vector<QString> wrapRows(const std::vector<QString>& lines, int columns);

// Prints the list in a monospaced font, shrunk until the widest line fits
// (down to a floor, then wrapped), `heading` and the page number at the top
// of every page. Returns the number of pages, 0 when the printer failed.
int printResults(const ResultsModel& results, const QString& heading, QPrinter& printer);

}  // namespace lineer::ui
