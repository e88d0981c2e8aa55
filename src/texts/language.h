#pragma once
// The languages the program speaks, by number: a catalogue row holds one
// text for each, in this order. What else a language has (its code, its
// menu entry, the toolkit's translation) is its row in languages.h.

#include <cstddef>

namespace lineer {

enum class Language : unsigned char { Turkish, English };

inline constexpr std::size_t kLanguageCount = 2;

}  // namespace lineer
