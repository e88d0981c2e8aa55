#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "textnum.h"

namespace lineer {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    std::string text;
    double value;
};

class TextToNumber : public ::testing::TestWithParam<Case> {};

TEST_P(TextToNumber, Reads) {
    const Case& c = GetParam();
    const double v = textToNumber(c.text);
    // Bitwise: the sign of a zero and the last bit count.
    EXPECT_EQ(v, c.value) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToNumber,
    ::testing::Values(
        // Plain numbers and the defaults of the two boxes.
        Case{"100", 100}, Case{"1", 1}, Case{"0", 0}, Case{"2.9", 2.9}, Case{"0.1", 0.1},
        Case{"00012", 12}, Case{"-3", -3}, Case{"+3", 3}, Case{"-0", -0.0}, Case{".5", 0.5},
        Case{"-.5", -0.5}, Case{"5.", 5},
        // Spaces, tabs and line feeds vanish wherever they stand.
        Case{"1 0 0", 100}, Case{" \t1\n0 0 ", 100}, Case{"- 4", -4}, Case{"1 . 5", 1.5},
        Case{"2E 3", 2000}, Case{"&H 1 0", 16},
        // A carriage return is not among them and ends (or prevents) the number.
        Case{"1\r0", 1}, Case{"\r1", 0},
        // No digit at all.
        Case{"", 0}, Case{"   ", 0}, Case{"abc", 0}, Case{".", 0}, Case{"-", 0}, Case{"+-5", 0},
        Case{"--5", 0}, Case{"e5", 0}, Case{".e5", 0}, Case{"inf", 0}, Case{"nan", 0},
        Case{"\xef\xbc\x91", 0} /* a full-width digit */, Case{"x1", 0},
        // Reading stops at the first character that cannot continue.
        Case{"1,5", 1}, Case{"12abc", 12}, Case{"1.2.3", 1.2}, Case{"0x10", 0}, Case{"1x", 1},
        Case{"3;4", 3}, Case{"7%", 7},
        // Exponents: E or D, either case, optional sign; without digits the
        // letter is not part of the number.
        Case{"1e3", 1000}, Case{"1E3", 1000}, Case{"1d3", 1000}, Case{"1D-2", 0.01},
        Case{"2.5E+1", 25}, Case{"1e", 1}, Case{"1e+", 1}, Case{"1e+x", 1}, Case{"1ee2", 1},
        Case{"1e2.5", 100}, Case{"1e0000000000000000000000000003", 1000},
        // Hexadecimal and octal whole numbers, unsigned.
        Case{"&H10", 16}, Case{"&hff", 255}, Case{"&HFFFF", 65535}, Case{"&HFFFFFFFF", 4294967295.0},
        Case{"&H1F.5", 31}, Case{"&O17", 15}, Case{"&o777", 511}, Case{"&O0", 0}, Case{"&O18", 1},
        Case{"&H", 0}, Case{"&HG", 0}, Case{"&O", 0}, Case{"&O8", 0}, Case{"&X1", 0}, Case{"&", 0},
        Case{"-&H10", 0}, Case{"&H-1", 0},
        // Beyond 53 bits: rounded to the nearest double, ties to even.
        Case{"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        Case{"&O1777777777777777777777", 18446744073709551616.0},
        Case{"&H20000000000001", 9007199254740992.0}, Case{"&H20000000000003", 9007199254740996.0},
        Case{"9007199254740993", 9007199254740992.0},
        Case{"1.7976931348623157e308", std::numeric_limits<double>::max()},
        // Too large gives infinity, too small 0.
        Case{"1e400", kInf}, Case{"-1e400", -kInf}, Case{"1.8e308", kInf}, Case{"1e-400", 0},
        Case{"-1e-400", -0.0}, Case{"1" + std::string(400, '0'), kInf}, Case{"&H" + std::string(300, 'F'), kInf},
        Case{"&O" + std::string(401, '7'), kInf}, Case{"0." + std::string(500, '0') + "1", 0}));

TEST(TextToNumberLocale, IgnoresTheProcessLocale) {
    // A locale with a decimal comma must change nothing.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "tr_TR.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(textToNumber("1.5"), 1.5);
    EXPECT_EQ(textToNumber("1,5"), 1);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace lineer
