#pragma once
// What the window and the command line both ask of the toolkit.

#include <string>

#include "texts.h"

namespace lineer::ui {

// The decimal symbol of the user's locale, as every number is shown.
std::string systemDecimalSymbol();

// Whether the window can find a display to open on. Without one the
// toolkit would abort the process; the caller says so instead.
bool displayAvailable();

// Drops the toolkit's own diagnostics: the command line prints only its
// own output.
void silenceToolkitMessages();

// The toolkit's own texts (the buttons of message boxes, the file and
// print dialogs) in `language`, whatever the system's language: the
// translation its row of the language table names (without that file they
// stay in English, the toolkit's own). May be called again to change.
// Needs the application object.
void useToolkitTexts(Language language);

}  // namespace lineer::ui
