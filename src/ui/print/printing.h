#pragma once
// Printing the results list.

#include <QString>

#include <vector>

class QPrinter;

namespace lineer::ui {

class ResultsModel;

// The printed rows of `lines` when a row holds `columns` characters: a
// longer line goes on in the next rows, so no character is lost.
std::vector<QString> wrapRows(const std::vector<QString>& lines, int columns);

// Prints the list in a monospaced font, shrunk until the widest line fits
// (down to a floor, then wrapped), `heading` and the page number at the top
// of every page. Returns the number of pages, 0 when the printer failed.
int printResults(const ResultsModel& results, const QString& heading, QPrinter& printer);

}  // namespace lineer::ui
