// Doubles to text on every standard library: std::to_chars where it has the
// floating-point forms, {fmt} where it has not, and the same text from both.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "platform_tochars.h"

namespace lineer {
namespace {

struct Case {
    double value;
    int form;  // 0 shortest, 1 fixed, 2 scientific
    int precision;
    const char* text;
};

std::string write(const Case& c) {
    char buf[1024];
    const auto r = c.form == 0   ? toChars(buf, buf + sizeof buf, c.value)
                   : c.form == 1 ? toChars(buf, buf + sizeof buf, c.value, std::chars_format::fixed, c.precision)
                                 : toChars(buf, buf + sizeof buf, c.value, std::chars_format::scientific, c.precision);
    return std::string(buf, r.ptr);
}

// The shortest form picks fixed or scientific by length (fixed on a tie) and
// writes a whole number with all its digits; the rounded forms round the
// exact binary value, halves to even.
TEST(ToChars, WritesWhatStdToCharsWrites) {
    for (const Case& c : {Case{0.0, 0, 0, "0"}, Case{-0.0, 0, 0, "-0"}, Case{0.1, 0, 0, "0.1"},
                          Case{0.001, 0, 0, "0.001"}, Case{0.0001, 0, 0, "1e-04"}, Case{-1.5e-7, 0, 0, "-1.5e-07"},
                          Case{123456.0, 0, 0, "123456"}, Case{1e20, 0, 0, "1e+20"}, Case{1.5e300, 0, 0, "1.5e+300"},
                          Case{1152921504606846976.0, 0, 0, "1152921504606846976"},
                          Case{12300000000000001048576.0, 0, 0, "1.23e+22"}, Case{1e21, 0, 0, "1e+21"},
                          Case{DBL_MAX, 0, 0, "1.7976931348623157e+308"}, Case{DBL_TRUE_MIN, 0, 0, "5e-324"},
                          Case{2.5, 1, 0, "2"}, Case{3.5, 1, 0, "4"}, Case{0.125, 1, 2, "0.12"}, Case{0.375, 1, 2, "0.38"},
                          Case{-0.0, 1, 3, "-0.000"}, Case{1e22, 1, 1, "10000000000000000000000.0"},
                          Case{0.1, 1, 20, "0.10000000000000000555"}, Case{2.5, 2, 0, "2e+00"},
                          Case{1.0 / 3, 2, 14, "3.33333333333333e-01"}, Case{DBL_TRUE_MIN, 2, 3, "4.941e-324"},
                          Case{0.1, 2, 16, "1.0000000000000001e-01"}}) {
        EXPECT_EQ(write(c), c.text) << c.value << " form " << c.form << " precision " << c.precision;
    }
}

// The exact expansion of the smallest double: 751 significant digits, then
// zeros up to the precision asked for.
TEST(ToChars, WritesEveryDigitOfTheBinaryValue) {
    const std::string text = write(Case{DBL_TRUE_MIN, 2, 780, ""});
    ASSERT_EQ(text.size(), 787u);
    EXPECT_EQ(text.substr(0, 22), "4.94065645841246544176");
    EXPECT_EQ(text.substr(2 + 740, 10), "3447265625");
    EXPECT_EQ(text.substr(2 + 750), std::string(30, '0') + "e-324");
}

}  // namespace
}  // namespace lineer
