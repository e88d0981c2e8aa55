#pragma once
// The table of languages: a new language is one row here and one more
// text in every row of the catalogue.

#include <iterator>
#include <optional>
#include <string_view>

#include "texts.h"

namespace lineer {

struct LanguageRow {
    Language language;
    const char* code;             // --lang CODE, the remembered choice, the documents' language
    PlainText menuEntry;          // its entry in the window's language menu, named in itself
    const char* menuName;         // the entry's object name
    // The toolkit's translation of its own texts (the buttons of message
    // boxes, the file and print dialogs); empty for the toolkit's own
    // English.
    const char* toolkitTranslation;
};

inline constexpr LanguageRow kLanguages[] = {
    {Language::Turkish, "tr", Text::TurkishItem, "Mn_Turkce", "qtbase_tr"},
    {Language::English, "en", Text::EnglishItem, "Mn_English", ""},
};

namespace detail {
constexpr bool everyLanguageInOrder() {
    if (std::size(kLanguages) != kLanguageCount) return false;
    for (std::size_t k = 0; k < kLanguageCount; ++k)
        if (static_cast<std::size_t>(kLanguages[k].language) != k) return false;
    return true;
}
}  // namespace detail
static_assert(detail::everyLanguageInOrder(), "one row for each language, row k for language k");

constexpr const LanguageRow& languageRow(Language language) { return kLanguages[static_cast<std::size_t>(language)]; }

// The language whose code is `code`.
constexpr std::optional<Language> languageOfCode(std::string_view code) {
    for (const LanguageRow& row : kLanguages)
        if (code == row.code) return row.language;
    return std::nullopt;
}

}  // namespace lineer
