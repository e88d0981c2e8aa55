#pragma once
// The window's two save dialogs: the file each proposes, the size a picture
// is saved at, and saving there. Where they ask is the caller's: a file
// dialog, or a test's answer.

#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace lineer::ui {

class PictureCanvas;
class ResultsModel;

// Asks for a file to write, given the dialog's title, the path it proposes
// and its filter; an empty answer cancels.
using AskSavePath = std::function<QString(const QString& title, const QString& start, const QString& filter)>;
// Asks the size to save the picture at, given the box's size and whether
// the file is SVG; none cancels.
using AskPictureSize = std::function<std::optional<QSize>(QSize box, bool svg)>;

// "Sonuçları kaydet...": proposes "<file>-sonuç.log" for the file last
// loaded (`loadedPath`, empty before any load) in the folder results were
// last saved in, else in `folder`; saves every line of the list there and
// remembers the folder. Returns why saving failed; empty when it was saved
// or the user cancelled.
QString saveResultsAsked(ResultsModel& results, const QString& loadedPath, const QString& folder,
                         const AskSavePath& ask);

// "Resmi kaydet...": proposes "<file>.png" in the folder pictures were last
// saved in, else in `folder`, then asks the size. The box's own size as PNG
// is the image on screen; any other size, and SVG, draws the picture again
// at that size. Returns as saveResultsAsked does.
QString savePictureAsked(const PictureCanvas& canvas, const std::string& decimal, const QString& loadedPath,
                         const QString& folder, const AskSavePath& ask, const AskPictureSize& askSize);

// The list of sizes: two, three, four and six times the box, and for PNG
// the box itself; none when the user cancels.
std::optional<QSize> choosePictureSize(QWidget* parent, QSize box, bool svg);

}  // namespace lineer::ui
