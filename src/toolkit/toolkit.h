#pragma once
// What the window and the command line both ask of the toolkit.

#include <string>

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
// print dialogs) in Turkish, whatever the system's language: the rest of
// the program is Turkish too. Needs the application object. Without the
// toolkit's Turkish translation file they stay in English.
void useTurkishToolkitTexts();

}  // namespace lineer::ui
