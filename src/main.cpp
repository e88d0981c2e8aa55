// Without arguments lineer opens its window, and "lineer --open FILE" opens
// it with FILE loaded; any other arguments are the command line. "--lang"
// may stand anywhere with either.

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "cli.h"
#include "languagemenu.h"
#include "mainwindow.h"
#include "texts.h"
#include "toolkit.h"
#include "toolkit_outputs.h"

namespace {

// The FILE of "--open FILE" or "--open=FILE" when that is all there is.
std::optional<std::string> fileToOpen(const std::vector<std::string>& args) {
    if (args.size() == 3 && args[1] == "--open") return args[2];
    if (args.size() == 2 && args[1].starts_with("--open=") && args[1].size() > 7) return args[1].substr(7);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args = lineer::cli::arguments(argc, argv);
    // Turkish unless asked otherwise, whatever the environment's language.
    const lineer::cli::LanguageChoice chosen = lineer::cli::takeLanguage(args);
    if (!chosen.problem.empty()) return lineer::cli::usage(chosen.problem);
    if (chosen.language) lineer::setLanguage(*chosen.language);
    const std::optional<std::string> open = fileToOpen(args);
    // A launcher that has no file for the menu entry's "--open %f" drops
    // the %f and passes "--open" alone: that opens the window.
    const bool bareOpen = args.size() == 2 && args[1] == "--open";
    if (args.size() > 1 && !open && !bareOpen) {
        lineer::ui::silenceToolkitMessages();
        lineer::cli::ToolkitOutputs outputs;
        return lineer::cli::run(args, outputs);
    }
    if (!lineer::ui::displayAvailable()) {
        std::fprintf(stderr, "%s\n", std::string(lineer::text(lineer::Text::NoDisplay)).c_str());
        return 2;
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setOrganizationName(QStringLiteral("lineer"));
    QApplication::setApplicationName(QStringLiteral("lineer"));
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(LINEER_APP_ID));
    // The window speaks the language last chosen in its menu, unless the
    // command line named one for this run.
    if (!chosen.language) lineer::setLanguage(lineer::ui::rememberedLanguage());
    lineer::ui::useToolkitTexts(lineer::language());
    lineer::ui::MainWindow window;
    window.show();
    if (open) window.openFile(QString::fromStdString(*open));
    return app.exec();
}
