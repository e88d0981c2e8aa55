#include "textnum.h"

#include <string>

#include "numparse.h"

namespace lineer {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "&H..." / "&O...": the digits as hexadecimal digits, rounded correctly
// however many there are.
double readRadix(std::string_view t, std::size_t i, bool hex) {
    std::string digits;
    if (hex) {
        for (; i < t.size() && hexValue(t[i]) >= 0; ++i) digits.push_back(t[i]);
    } else {
        // Octal digits carry three bits each; regroup them into hex digits,
        // from the least significant end.
        std::string octal;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '7'; ++i) octal.push_back(t[i]);
        unsigned acc = 0;
        int bits = 0;
        std::string reversed;
        for (auto it = octal.rbegin(); it != octal.rend(); ++it) {
            acc |= static_cast<unsigned>(*it - '0') << bits;
            bits += 3;
            while (bits >= 4) {
                reversed.push_back("0123456789abcdef"[acc & 15u]);
                acc >>= 4;
                bits -= 4;
            }
        }
        if (bits > 0) reversed.push_back("0123456789abcdef"[acc & 15u]);
        digits.assign(reversed.rbegin(), reversed.rend());
    }
    return hexToDouble(digits);
}

}  // namespace

double textToNumber(std::string_view text) {
    std::string t;
    t.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') t.push_back(c);

    const std::size_t n = t.size();
    std::size_t i = 0;
    if (n >= 2 && t[0] == '&') {
        if (t[1] == 'H' || t[1] == 'h') return readRadix(t, 2, true);
        if (t[1] == 'O' || t[1] == 'o') return readRadix(t, 2, false);
        return 0;
    }

    std::string number;  // the part read, in the syntax of decimalToDouble
    if (i < n && (t[i] == '+' || t[i] == '-')) number.push_back(t[i++]);
    bool digits = false, point = false;
    for (; i < n; ++i) {
        if (isDigit(t[i])) {
            digits = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(t[i]);
    }
    if (!digits) return 0;

    // An exponent counts only when at least one digit follows the letter
    // and its sign; otherwise the number ends before the letter.
    if (i < n && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (t[j] == '+' || t[j] == '-')) exponent.push_back(t[j++]);
        std::size_t first = j;
        while (j < n && isDigit(t[j])) exponent.push_back(t[j++]);
        if (j > first) number += exponent;
    }
    return decimalToDouble(number);
}

double boxNumber(std::string_view text, std::string_view decimal) {
    if (decimal != ",") return textToNumber(text);
    std::string mapped(text);
    for (char& c : mapped)
        if (c == ',') c = '.';
    return textToNumber(mapped);
}

}  // namespace lineer
