// Without arguments lineer opens its window; with arguments it is the
// command line.

#include <QApplication>

#include "cli.h"
#include "mainwindow.h"

namespace {

// The command line prints only its own output: the toolkit's diagnostics
// are dropped.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        qInstallMessageHandler(quiet);
        return lineer::cli::run(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lineer"));
    lineer::ui::MainWindow window;
    window.show();
    return app.exec();
}
