#pragma once
// "Yazdır..." and "Dışa aktar..." of the window: the handout of what it
// shows (the results list with its remarks, the heading, the picture when
// one is shown), printed or exported.

#include <QString>

#include <functional>
#include <string>

#include "handout.h"

class QPrinter;
class QWidget;

namespace lineer {
class Session;
}  // namespace lineer

namespace lineer::ui {

class PictureCanvas;
class ResultsView;

class HandoutCommands {
public:
    // How the commands ask: a file to write (title, proposed path, filter;
    // empty cancels), yes or no to a question, and a failure to show.
    struct Asks {
        std::function<QString(const QString& title, const QString& start, const QString& filter)> savePath;
        std::function<bool(const QString&)> question;
        std::function<void(const std::string&)> message;
    };
    // Every argument must outlive the commands; `folder` gives the folder
    // the export proposes when no file was loaded there.
    HandoutCommands(QWidget* window, const ResultsView& list, const PictureCanvas& canvas, const Session& session,
                    std::function<QString()> folder, Asks asks);

    // The pages' heading: the loaded file and the method run on it.
    QString heading() const;
    Handout handout() const;
    // The print dialog, then printTo.
    void printDialog();
    // Prints on a printer already set up, asking first above 50 pages.
    void printTo(QPrinter& printer);
    // The file dialog, then exportTo.
    void exportDialog();
    // LaTeX, HTML or PDF by the extension.
    void exportTo(const QString& path);

private:
    QWidget* window_;
    const ResultsView& list_;
    const PictureCanvas& canvas_;
    const Session& session_;
    std::function<QString()> folder_;
    Asks asks_;
};

}  // namespace lineer::ui
