#pragma once
// The "Dil" / "Language" menu of the main window, and the language the
// window starts in.

#include "texts.h"

class QMenuBar;

namespace lineer::ui {

class Menus;

// The language the user last chose in the menu; Turkish the first time.
Language rememberedLanguage();

// Speaks `language` from now on: the catalogue, the toolkit's own texts,
// and every open window, which set their texts again. Lines already in the
// results list stay as they were written.
void applyLanguage(Language language);

// Adds the menu with one checkable, exclusive entry per language ("Türkçe",
// "English") to `bar`. Choosing one applies it at once and remembers it.
void addLanguageMenu(Menus& menus, QMenuBar* bar);

}  // namespace lineer::ui
