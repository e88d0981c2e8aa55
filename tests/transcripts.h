#pragma once
// Whole transcripts the tests compare against, line by line.

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
