#include "utf8text.h"

namespace lineer::exporting {

namespace {

constexpr bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

char32_t nextCodePoint(std::string_view s, std::size_t& at) {
    const auto b = static_cast<unsigned char>(s[at++]);
    if (b < 0x80) return b;
    // C0 and C1 could only begin overlong forms; past F4 lies beyond U+10FFFF.
    if (b < 0xC2 || b > 0xF4) return kReplacement;
    const std::size_t more = b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    if (s.size() - at < more) return kReplacement;
    char32_t c = b & (b < 0xE0 ? 0x1F : b < 0xF0 ? 0x0F : 0x07);
    for (std::size_t k = 0; k < more; ++k) {
        const auto next = static_cast<unsigned char>(s[at + k]);
        if (!continuation(next)) return kReplacement;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (c < least[more] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return kReplacement;
    at += more;
    return c;
}

std::string_view withoutBom(std::string_view s) {
    return s.substr(0, 3) == "\xEF\xBB\xBF" ? s.substr(3) : s;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool isSpace(char32_t c) {
    if (c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0) return true;
    return c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::string_view trimmed(std::string_view s) {
    std::size_t begin = 0, end = 0;
    bool any = false;
    for (std::size_t at = 0; at < s.size();) {
        const std::size_t start = at;
        if (isSpace(nextCodePoint(s, at))) continue;
        if (!any) begin = start;
        any = true;
        end = at;
    }
    return any ? s.substr(begin, end - begin) : std::string_view();
}

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                                static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                                static_cast<unsigned char>(bytes[i + 2]);
        out.push_back(kDigits[v >> 18]);
        out.push_back(kDigits[(v >> 12) & 63]);
        out.push_back(kDigits[(v >> 6) & 63]);
        out.push_back(kDigits[v & 63]);
    }
    if (const std::size_t rest = bytes.size() - i; rest > 0) {
        std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (rest == 2) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        out.push_back(kDigits[v >> 18]);
        out.push_back(kDigits[(v >> 12) & 63]);
        out.push_back(rest == 2 ? kDigits[(v >> 6) & 63] : '=');
        out.push_back('=');
    }
    return out;
}

}  // namespace lineer::exporting
