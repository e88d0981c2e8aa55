#pragma once
// The catalogue's texts as the window shows them: as QStrings, and
// templates filled with QStrings, UTF-8 strings and whole numbers.

#include <QString>

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

#include "numformat.h"
#include "texts.h"

namespace lineer::ui {

QString uiText(PlainText key);

namespace detail {

inline std::string utf8(const QString& s) { return s.toStdString(); }
inline std::string utf8(std::integral auto v) { return intText(v); }
inline std::string_view utf8(std::string_view s) { return s; }
inline std::string_view utf8(const char* s) { return s; }

QString fill(Text key, std::initializer_list<std::string_view> values);

}  // namespace detail

// The template of `key` with its places filled by the values in order;
// whole numbers are written by the number formatter, other numbers are
// given already written.
template <class... Values>
QString uiFormat(TextTemplate<sizeof...(Values)> key, const Values&... values) {
    return detail::fill(key.key(), {std::string_view(detail::utf8(values))...});
}

}  // namespace lineer::ui
