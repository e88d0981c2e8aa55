#pragma once
// A handout: the results list with each line's kind, the page heading and
// the picture, as the window and the command line hand them to the printed
// pages and to the LaTeX and HTML export.

#include <QString>

#include <string>
#include <vector>

#include "picturerecord.h"
#include "resultline.h"

namespace lineer::ui {

struct Handout {
    std::vector<ResultLine> lines;
    QString heading;  // the file and the method run on it
    QString date;     // as handoutDate() gives it
    const PictureRecord* picture = nullptr;  // none, or an empty one: no picture shown
    std::string decimal = ".";

    bool hasPicture() const { return picture && !picture->empty(); }
};

// Today's date as yyyy-mm-dd, or the date of SOURCE_DATE_EPOCH (seconds
// since 1970, in UTC) when that is set, so that the same run makes the same
// file on every day.
QString handoutDate();

// "FILE — METHOD", the file alone before a method has run, the window's
// caption before a file is loaded. `path` may be a full path.
QString handoutHeading(const QString& path, const QString& method);

}  // namespace lineer::ui
