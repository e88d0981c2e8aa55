#include "textnum.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "numparse.h"

namespace lineer {

namespace {

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// "&H..." / "&O...": the digits from `i` on, as a whole number however many
// there are. `end` is set past the last digit.
double readRadix(const std::string& t, std::size_t i, bool hex, std::size_t& end) {
    std::string digits;
    if (hex) {
        for (; i < t.size() && isHexDigit(t[i]); ++i) digits.push_back(t[i]);
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
    end = digits.empty() ? 0 : i;
    return hexToDouble(digits);
}

}  // namespace

BoxReading readBox(std::string_view text, std::string_view decimal) {
    const bool comma = decimal == ",";
    std::string t;
    t.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        t.push_back(comma && c == ',' ? '.' : c);
    }

    BoxReading r;
    std::size_t used = 0;
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        r.value = readRadix(t, 2, t[1] == 'H' || t[1] == 'h', used);
    } else if ((used = decimalPrefix(t, true)) > 0) {
        std::string number = t.substr(0, used);
        for (char& c : number)
            if (c == 'D' || c == 'd') c = 'e';
        r.value = decimalToDouble(number);
    }
    r.whole = used > 0 && used == t.size();
    return r;
}

double textToNumber(std::string_view text) { return readBox(text, ".").value; }

double boxNumber(std::string_view text, std::string_view decimal) { return readBox(text, decimal).value; }

std::optional<std::vector<double>> readNumberList(std::string_view text, std::string_view decimal) {
    const std::string_view separators = decimal == "," ? std::string_view(" \t\n;") : std::string_view(" \t\n;,");
    std::vector<double> values;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t to = std::min(text.find_first_of(separators, from), text.size());
        if (to > from) {
            const BoxReading r = readBox(text.substr(from, to - from), decimal);
            if (!r.whole || !std::isfinite(r.value)) return std::nullopt;
            values.push_back(r.value);
        }
        from = to + 1;
    }
    if (values.empty()) return std::nullopt;
    return values;
}

std::optional<double> readTolerance(std::string_view text, std::string_view decimal) {
    const BoxReading r = readBox(text, decimal);
    if (!r.whole || !std::isfinite(r.value) || !(r.value > 0)) return std::nullopt;
    return r.value;
}

}  // namespace lineer
