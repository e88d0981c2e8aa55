#pragma once
// Whole transcripts the tests compare against, line by line, and what
// their lines are made of.

#include <cctype>
#include <regex>
#include <string>
#include <vector>

namespace lineer::test {

// Texts the transcripts share, as the user sees them.
inline const std::string kZeroDiagonal = " sıfır diyagonal elemanı";
inline const std::string kRootsHeading = "Lineer denklem takımının kökleri";
inline const std::string kSortedRootsHeading = "Lineer denklem takımının sıralanmış kökleri";
inline const std::string kOverflowMessage = "Hesaplamada sayı taşması oluştu";
inline const std::string kNoFileMessage = "Katsayılar matrisi için bir dosya seçiniz";
inline const std::string kNoMethodMessage = "Bir yöntem seçiniz";

// Whether a text holds one of ç ğ ı İ ö ş ü Ç Ğ Ö Ş Ü, written out or (in a
// source file) as a \u escape.
inline bool hasTurkishLetter(const std::string& text) {
    static const std::regex letter(
        "ç|ğ|ı|İ|ö|ş|ü|Ç|Ğ|Ö|Ş|Ü|\\\\u00(e7|f6|fc|c7|d6|dc)|\\\\u01(1f|31|30|5f|1e|5e)", std::regex::icase);
    return std::regex_search(text, letter);
}

// Number of listing cells the line is made of, or -1 when it is not made of
// cells: each cell is the zero text, or a formatted number and three spaces.
inline int cellCount(const std::string& line) {
    static const std::string zero = " 0.         ";
    int count = 0;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        if (line.compare(i, zero.size(), zero) == 0) {
            i += zero.size();
        } else {
            if (line[i] == '-') ++i;
            std::size_t digits = 0;
            while (i < n && std::isdigit(static_cast<unsigned char>(line[i]))) ++i, ++digits;
            if (digits == 0 || i >= n || line[i] != '.') return -1;
            ++i;
            for (int k = 0; k < 4; ++k, ++i)
                if (i >= n || !std::isdigit(static_cast<unsigned char>(line[i]))) return -1;
            if (line.compare(i, 3, "   ") != 0) return -1;
            i += 3;
        }
        ++count;
    }
    return count;
}

// examples/uc-denklem.txt loaded and solved by Gauss elimination.
inline const std::vector<std::string> kUcDenklemGauss = {
    "Katsayılar matrisi",
    " ",
    "2.0000   1.0000   -1.0000   8.0000   ",
    "-3.0000   -1.0000   2.0000   -11.0000   ",
    "-2.0000   1.0000   2.0000   -3.0000   ",
    " ",
    "Üst-üçgenselleştirilmiş matris",
    " ",
    "2.0000   1.0000   -1.0000   8.0000   ",
    " 0.         0.5000   0.5000   1.0000   ",
    " 0.          0.         -1.0000   1.0000   ",
    " ",
    "Lineer denklem takımının kökleri",
    " ",
    " x(1) = 2.0000",
    " x(2) = 3.0000",
    " x(3) = -1.0000",
};

// The first five lines: the load listing alone.
inline const std::vector<std::string> kUcDenklemLoad(kUcDenklemGauss.begin(), kUcDenklemGauss.begin() + 5);

}  // namespace lineer::test
