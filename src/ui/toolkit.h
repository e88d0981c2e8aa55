#pragma once
// What the window and the command line both ask of the toolkit.

#include <string>

namespace lineer::ui {

// The decimal symbol of the user's locale, as every number is shown.
std::string systemDecimalSymbol();

// Drops the toolkit's own diagnostics: the command line prints only its
// own output.
void silenceToolkitMessages();

}  // namespace lineer::ui
