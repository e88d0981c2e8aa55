#pragma once
// The printed pages of a handout: the results list laid out in a
// fixed-pitch font, tables cell by cell (a cell is never split; a table
// wider than the page goes in blocks of columns under "Sütun 1–8"), other
// lines wrapped at spaces with an indented continuation; a heading (file,
// method, date) and "Sayfa k / N" on every page, and the picture at the end.
// The window prints these pages and the command line writes them as PDF.

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <vector>

#include "handout.h"

class QPagedPaintDevice;

namespace lineer::ui {

struct Page {
    std::vector<QString> lines;
    bool picture = false;  // the picture follows the lines
};

// The pages of `h` when a line holds `columns` characters and a page
// `perPage` lines, the picture taking `pictureLines` of them.
std::vector<Page> layoutPages(const Handout& h, int columns, int perPage, int pictureLines);

// The page layout the handouts are made in unless the printer dialog
// chose another: A4 portrait, margins of 20 mm.
QPageLayout handoutPageLayout();
// The narrowest margin the pages are printed with, in millimetres.
inline constexpr double kMinMarginMm = 15;

// Lays out and paints the pages on `device` (a printer or a PDF writer,
// its page layout already set). Returns the number of pages, 0 when the
// device could not be painted on.
int paintPages(QPagedPaintDevice& device, const Handout& h);

// How many pages the handout takes on `device`, without painting.
int countPages(QPagedPaintDevice& device, const Handout& h);

// The pages as a PDF file's bytes, in `layout`, and their number in
// `pages`; empty when they could not be made.
QByteArray handoutPdf(const Handout& h, const QPageLayout& layout = handoutPageLayout(), int* pages = nullptr);

}  // namespace lineer::ui
