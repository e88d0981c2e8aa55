// Without arguments lineer opens its window; with arguments it is the
// command line.

#include <QApplication>

#include "cli.h"
#include "mainwindow.h"
#include "toolkit.h"

int main(int argc, char** argv) {
    if (argc > 1) {
        lineer::ui::silenceToolkitMessages();
        return lineer::cli::run(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lineer"));
    lineer::ui::MainWindow window;
    window.show();
    return app.exec();
}
