#pragma once
// Printing what the window shows: the handout's pages on a printer, or, for
// a printer set to write a PDF file, the same bytes the command line's
// --pdf writes, through the one save path.

#include <QString>

#include <string>

#include "handout.h"

class QPrinter;

namespace lineer::ui {

class ResultsModel;

// The list's lines with their kinds, under `heading`, with today's date;
// `picture` when one is shown.
Handout handoutOf(const ResultsModel& results, const QString& heading, const PictureRecord* picture,
                  std::string decimal);

// Sets the printer to the handouts' page layout, or keeps the one chosen
// in its dialog with every margin at least 15 mm.
void useHandoutMargins(QPrinter& printer);

// Prints the handout. Returns the number of pages, 0 when it failed; then
// `why` says why (the reason of a file that could not be saved, or "").
int printHandout(const Handout& h, QPrinter& printer, QString* why = nullptr);

}  // namespace lineer::ui
