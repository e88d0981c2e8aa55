#pragma once
// Every text the user sees, from the catalogue (catalogue.h), in the
// language the program speaks.
//
// A text that takes values is one template with numbered places
// ("İterasyon {0}. adımda durduruldu"); the caller formats the values
// (numbers through the number formatter) and fills the places, so every
// language orders its words its own way. A call that gives a template more
// or fewer values than it has places does not compile.

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace lineer {

// The language of every text from now on; Turkish until set. One language
// for the whole process: the command line sets it once, the window when
// the user chooses another. Lines already written stay as they were.
void setLanguage(Language language);
Language language();

namespace detail {

// The number of places of a template, {0} to {n-1}; -1 when they are not
// numbered from 0 without a gap.
constexpr int countPlaces(std::string_view t) {
    bool seen[10] = {};
    for (std::size_t i = 0; i + 2 < t.size(); ++i)
        if (t[i] == '{' && t[i + 1] >= '0' && t[i + 1] <= '9' && t[i + 2] == '}') seen[t[i + 1] - '0'] = true;
    int n = 0;
    while (n < 10 && seen[n]) ++n;
    for (int k = n; k < 10; ++k)
        if (seen[k]) return -1;
    return n;
}

constexpr bool wellFormed() {
    if (std::size(kCatalogue) != static_cast<std::size_t>(Text::Count_)) return false;
    for (std::size_t k = 0; k < std::size(kCatalogue); ++k) {
        const TextRow& row = kCatalogue[k];
        if (static_cast<std::size_t>(row.key) != k) return false;
        for (const char* t : row.texts)
            if (!t) return false;
        const int places = countPlaces(row.texts[0]);
        if (places < 0) return false;
        for (const char* t : row.texts)
            if (countPlaces(t) != places) return false;
    }
    return true;
}
static_assert(wellFormed(),
              "the catalogue has one row per key, in the order of the keys, each with its text in every language "
              "(Turkish, then English); a template's places are {0} to {n-1}, the same in every language");

// Deliberately not constexpr: reaching one of these in the checks below
// stops the compilation at the call that got the number of values wrong.
void thisTextTakesValuesUseFormat();
void thisTemplateTakesAnotherNumberOfValues();

// Appends the template of `key` in `in` with "{k}" replaced by values[k];
// the number of values is the caller's to check.
void fill(std::string& out, Text key, Language in, std::initializer_list<std::string_view> values);

}  // namespace detail

// The number of places of a key's template.
constexpr int places(Text key) { return detail::countPlaces(kCatalogue[static_cast<std::size_t>(key)].texts[0]); }

// A key whose text takes no values; made from a Text at compile time only,
// where the check runs.
class PlainText {
public:
    consteval PlainText(Text key) : key_(key) {
        if (places(key) != 0) detail::thisTextTakesValuesUseFormat();
    }
    constexpr Text key() const { return key_; }

private:
    Text key_;
};

// A key whose template has exactly `Places` places.
template <std::size_t Places>
class TextTemplate {
public:
    consteval TextTemplate(Text key) : key_(key) {
        if (places(key) != static_cast<int>(Places)) detail::thisTemplateTakesAnotherNumberOfValues();
    }
    constexpr Text key() const { return key_; }

private:
    Text key_;
};

// The text of `key` in the current language, or in `in`.
std::string_view text(PlainText key);
std::string_view text(PlainText key, Language in);

// The template of `key` with its places filled by the values in order
// ({0} by the first); each value is a string, a number already formatted.
template <class... Values>
void formatTo(std::string& out, TextTemplate<sizeof...(Values)> key, const Values&... values) {
    detail::fill(out, key.key(), language(), {std::string_view(values)...});
}

template <class... Values>
std::string format(TextTemplate<sizeof...(Values)> key, const Values&... values) {
    std::string out;
    formatTo(out, key, values...);
    return out;
}

}  // namespace lineer
