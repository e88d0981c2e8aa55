#pragma once
// The text handling the export needs, on UTF-8: code points (a byte that
// does not begin a well-formed sequence stands for U+FFFD), the white space
// at the ends of a line, and Base64.

#include <cstdint>
#include <string>
#include <string_view>

namespace lineer::exporting {

inline constexpr char32_t kReplacement = 0xFFFD;

// The code point at `at`, which moves past it. A byte that does not begin a
// well-formed sequence (overlong, a surrogate, past U+10FFFF, cut short) is
// U+FFFD and moves `at` by one byte only, so the bytes after it are read
// anew.
char32_t nextCodePoint(std::string_view s, std::size_t& at);

// A line as text is read: without a byte order mark at its start.
std::string_view withoutBom(std::string_view s);

// Appends c in UTF-8.
void appendUtf8(std::string& out, char32_t c);

// Whether c is white space: the ASCII spaces and controls \t to \r, and
// the Unicode space, line and paragraph separators.
bool isSpace(char32_t c);

// s without the white space at either end.
std::string_view trimmed(std::string_view s);

// The bytes in Base64 (RFC 4648, padded, in one line).
std::string base64(std::string_view bytes);

}  // namespace lineer::exporting
