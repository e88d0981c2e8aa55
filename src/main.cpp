// Without arguments lineer opens its window, and "lineer --open FILE" opens
// it with FILE loaded; any other arguments are the command line.

#include <QApplication>
#include <QFile>

#include <cstring>
#include <optional>
#include <string>

#include "cli.h"
#include "mainwindow.h"
#include "toolkit.h"

namespace {

// The FILE of "--open FILE" or "--open=FILE" when that is all there is.
std::optional<std::string> fileToOpen(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) return std::string(argv[2]);
    if (argc == 2 && std::strncmp(argv[1], "--open=", 7) == 0 && argv[1][7] != '\0') return std::string(argv[1] + 7);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<std::string> open = fileToOpen(argc, argv);
    // A launcher that has no file for the menu entry's "--open %f" drops
    // the %f and passes "--open" alone: that opens the window.
    const bool bareOpen = argc == 2 && std::strcmp(argv[1], "--open") == 0;
    if (argc > 1 && !open && !bareOpen) {
        lineer::ui::silenceToolkitMessages();
        return lineer::cli::run(argc, argv);
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setOrganizationName(QStringLiteral("lineer"));
    QApplication::setApplicationName(QStringLiteral("lineer"));
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(LINEER_APP_ID));
    lineer::ui::useTurkishToolkitTexts();
    lineer::ui::MainWindow window;
    window.show();
    if (open) window.openFile(QFile::decodeName(QByteArray::fromStdString(*open)));
    return app.exec();
}
