// Fractions in coefficient files: their doubles against correctly rounded
// quotients, and the bad ones refused as bad values.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "numparse.h"
#include "rational.h"
#include "testhost.h"
#include "texts.h"

namespace lineer::test {
namespace {

struct Quotient {
    const char* text;
    double nearest;  // float(Fraction(p) / Fraction(q)) in Python, which rounds correctly
};

const Quotient kQuotients[] = {
        {"1/3", 0x1.5555555555555p-2},
        {"-2/3", -0x1.5555555555555p-1},
        {"1/-10", -0x1.999999999999ap-4},
        {"0.1/0.3", 0x1.5555555555555p-2},
        {"22/7", 0x1.9249249249249p+1},
        {"1e-320/3", 0x0.00000000002a3p-1022},
        {"4.9406564584124654e-324/2", 0.0},
        {"7.4109846876186982e-324/1", 0x0.0000000000002p-1022},
        {"9007199254740993/1", 0x1.0000000000000p+53},  // a tie: to even
        {"9007199254740995/1", 0x1.0000000000002p+53},
        {"123456789012345678901234567890/7", 0x1.c7e5c91a03f22p+93},
        {"1.7976931348623157e308/1", 0x1.fffffffffffffp+1023},
        {"1/6048000", 0x1.6312c75c3f26fp-23},
        {"3/1e-5", 0x1.24f8000000000p+18},
        {"2.5e-3/-1.25E+2", -0x1.4f8b588e368f1p-16},
        {"1e400/1e399", 10.0},
        {"1e-400/1e-401", 10.0},
        {"1/1e-400", INFINITY},
};

TEST(FractionReading, IsTheCorrectlyRoundedQuotient) {
    for (const Quotient& c : kQuotients) {
        const FileNumber r = readFileNumber(c.text);
        if (std::isinf(c.nearest)) {
            EXPECT_EQ(r.status, NumberStatus::TooLarge) << c.text;
            continue;
        }
        ASSERT_EQ(r.status, NumberStatus::Number) << c.text;
        EXPECT_EQ(r.value, c.nearest) << c.text;
        EXPECT_EQ(std::signbit(r.value), std::signbit(c.nearest)) << c.text;
    }
}

// p/1 and p/10^k are the decimals p and p·10^-k, which the decimal reader
// rounds on its own path.
TEST(FractionReading, AgreesWithTheDecimalReaderOnPowersOfTen) {
    std::mt19937_64 rng(30);
    for (int trial = 0; trial < 3000; ++trial) {
        const auto digits = std::to_string(rng() >> (rng() % 60));
        const int k = static_cast<int>(rng() % 40);
        const int e = static_cast<int>(rng() % 700) - 350;
        const std::string p = digits + "e" + std::to_string(e);
        const std::string q = "1" + std::string(static_cast<std::size_t>(k), '0');
        const FileNumber fraction = readFileNumber(p + "/" + q);
        const FileNumber decimal = readFileNumber(digits + "e" + std::to_string(e - k));
        ASSERT_EQ(fraction.status, decimal.status) << p << "/" << q;
        EXPECT_EQ(fraction.value, decimal.value) << p << "/" << q;
    }
}

TEST(FractionReading, ExactValuesKeepTheDecimals) {
    EXPECT_EQ(*exactFileNumber("0.1"), Rational(1, 10));
    EXPECT_EQ(*exactFileNumber("-1.5e-3/0.3"), Rational(-1, 200));
    EXPECT_EQ(fractionText(*exactFileNumber("6/-4")), "-3/2");
    EXPECT_EQ(fractionText(*exactFileNumber("+8/4")), "2");
    EXPECT_EQ(exactValue(0.1), Rational(BigInt(3602879701896397), BigInt(1) << 55));
    for (const char* bad : {"1/0", "1/", "/3", "1/2/3", "1 /2", "0/0"}) EXPECT_FALSE(exactFileNumber(bad)) << bad;
}

TEST(FractionFiles, LoadAsTheirDoublesAndRefuseBadFractions) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3 1/2 1/3 -1/4 0.1/0.3 2 3")));
    EXPECT_EQ(s.workspace().A(1, 2), 1.0 / 3);
    EXPECT_EQ(s.workspace().A(2, 1), 1.0 / 3);
    for (const char* bad : {"1/0", "1/", "/3", "1/2/3"}) {
        h.messages.clear();
        EXPECT_FALSE(s.loadFile(tempFile(std::string("1 2 5 ") + bad))) << bad;
        ASSERT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(h.messages[0], format(Text::FileInvalidValue, bad));
    }
    h.messages.clear();
    EXPECT_FALSE(s.loadFile(tempFile("4/2 3 1 2 3 4 5 6")));
    EXPECT_EQ(h.messages.at(0), text(Text::FileBadSizes));
}

}  // namespace
}  // namespace lineer::test
