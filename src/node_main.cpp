// The command line of the browser edition, run by node: the same
// arguments, transcripts, messages and exit statuses as the native
// program's. It has no window and no toolkit: the picture files, the pages
// and the export are the native program's (a usage error here).

#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "cli.h"
#include "texts.h"

int main(int argc, char** argv) {
    std::vector<std::string> args = lineer::cli::arguments(argc, argv);
    const lineer::cli::LanguageChoice chosen = lineer::cli::takeLanguage(args);
    if (!chosen.problem.empty()) return lineer::cli::usage(chosen.problem);
    if (chosen.language) lineer::setLanguage(*chosen.language);
    // What would open the window says, as the native program does without
    // a display, that only the command line is here.
    const bool window = args.size() <= 1 || (args.size() <= 3 && args[1].starts_with("--open"));
    if (window) {
        std::fprintf(stderr, "%s\n", std::string(lineer::text(lineer::Text::NoDisplay)).c_str());
        return 2;
    }
    lineer::cli::Outputs outputs;
    return lineer::cli::run(args, outputs);
}
