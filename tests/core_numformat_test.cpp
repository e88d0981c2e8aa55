#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "numformat.h"

namespace lineer {
namespace {

struct Fixed4Case {
    double value;
    const char* text;
};

class Fixed4Table : public ::testing::TestWithParam<Fixed4Case> {};

TEST_P(Fixed4Table, FormatsAsListed) {
    const auto& c = GetParam();
    EXPECT_EQ(formatFixed4(c.value), c.text) << c.value;
    std::string exact;
    appendFixed4Exact(exact, c.value, ".");
    EXPECT_EQ(exact, c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    NumberFormat, Fixed4Table,
    ::testing::Values(Fixed4Case{0.5, "0.5000"}, Fixed4Case{12.34567, "12.3457"}, Fixed4Case{-3, "-3.0000"},
                      Fixed4Case{123.45, "123.4500"}, Fixed4Case{0.00004, "0.0000"},
                      Fixed4Case{0.00005, "0.0001"}, Fixed4Case{-2.71828, "-2.7183"},
                      Fixed4Case{250, "250.0000"},
                      // Stored just below 2.00005; its 15-digit form is exactly halfway.
                      Fixed4Case{2.00005, "2.0001"}, Fixed4Case{-2.00005, "-2.0001"},
                      Fixed4Case{1.00015, "1.0002"}, Fixed4Case{0.99995, "1.0000"},
                      Fixed4Case{9.99995, "10.0000"}, Fixed4Case{999.99995, "1000.0000"},
                      // A negative value that rounds to zero has no minus sign.
                      Fixed4Case{-0.00001, "0.0000"}, Fixed4Case{-0.00004999, "0.0000"},
                      Fixed4Case{-0.00005, "-0.0001"}, Fixed4Case{0.0, "0.0000"},
                      Fixed4Case{1e-300, "0.0000"}, Fixed4Case{4.9e-324, "0.0000"},
                      Fixed4Case{1e20, "100000000000000000000.0000"},
                      Fixed4Case{-1e20, "-100000000000000000000.0000"},
                      Fixed4Case{123456789012345678.0, "123456789012346000.0000"},
                      Fixed4Case{1e15 + 0.3, "1000000000000000.0000"},
                      Fixed4Case{123456789.123456, "123456789.1235"},
                      Fixed4Case{12345678901.23456, "12345678901.2346"},
                      Fixed4Case{0.1 + 0.2, "0.3000"}, Fixed4Case{1.0 / 3.0, "0.3333"},
                      Fixed4Case{2.0 / 3.0, "0.6667"}, Fixed4Case{1.0000008, "1.0000"},
                      Fixed4Case{-1.25e-5, "0.0000"}));

TEST(NumberFormat, LargestDoubleKeepsFifteenDigitsThenZeros) {
    std::string expected = "179769313486232" + std::string(294, '0') + ".0000";
    EXPECT_EQ(formatFixed4(1.7976931348623157e308), expected);
    EXPECT_EQ(formatFixed4(-1.7976931348623157e308), "-" + expected);
}


TEST(NumberFormat, DecimalSymbolOfTheLocale) {
    std::string s;
    appendFixed4(s, -2.71828, ",");
    EXPECT_EQ(s, "-2,7183");
    s.clear();
    appendFixed4(s, 2.00005, ",");
    EXPECT_EQ(s, "2,0001");
    s.clear();
    appendFixed4Exact(s, 1e20, ",");
    EXPECT_EQ(s, "100000000000000000000,0000");
}

// The fast path must agree with the exact conversion everywhere, above all
// next to the halfway points where it has to hand over, at the changes of
// the digit count, and at the edge of its range. Decimal symbols of one,
// two and three bytes go through the fast path's two ways of writing it.
TEST(NumberFormat, FastPathAgreesWithExactConversion) {
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 12);
    std::uniform_int_distribution<long long> ticks(-2000000000LL, 2000000000LL);
    std::uniform_int_distribution<long long> bigTicks(-10000000000000LL, 10000000000000LL);
    std::uniform_int_distribution<int> power(0, 12);
    const std::string_view symbols[] = {".", ",", "\xd9\xab", "\xe2\x80\xa4"};
    std::string fast, exact;
    long long fastDecided = 0, checked = 0;
    auto checkWith = [&](double v, std::string_view dec) {
        fast.clear();
        exact.clear();
        appendFixed4(fast, v, dec);
        appendFixed4Exact(exact, v, dec);
        ASSERT_EQ(fast, exact) << std::hexfloat << v;
        char buf[64];
        std::memset(buf, 'z', sizeof buf);
        if (char* e = writeFixed4Fast(buf, v, dec)) {
            ++fastDecided;
            ASSERT_EQ(std::string(buf, e), exact) << std::hexfloat << v;
            ASSERT_LE(e - buf, static_cast<std::ptrdiff_t>(15 + dec.size()));
        }
        ++checked;
    };
    auto check = [&](double v) {
        checkWith(v, symbols[checked % 4]);
        checkWith(std::nextafter(v, 0.0), ".");
        checkWith(std::nextafter(v, v < 0 ? -1e300 : 1e300), ".");
    };
    for (int i = 0; i < 500000; ++i) {
        check(mantissa(rng) * std::pow(10.0, exponent(rng)));
        // Halfway points k/10000 + 0.00005, small and up to the fast path's
        // limit of 10^9.
        check((static_cast<double>(ticks(rng)) + 0.5) / 10000.0);
        check((static_cast<double>(bigTicks(rng)) + 0.5) / 10000.0);
        // Just below a power of ten, where rounding adds a digit: 99.99995.
        const double p10 = std::pow(10.0, power(rng));
        check(p10 - 0.00005);
        check(-(p10 - 0.00005 * mantissa(rng)));
    }
    // The edges of the fast path's range and of the rounding to zero.
    for (double v : {1e9, 999999999.99995, 999999999.9999, 0.00005, 0.000049999999999, 4.9e-324, 2.2250738585072014e-308}) {
        check(v);
        check(-v);
    }
    EXPECT_GT(fastDecided, 0);
}

// Values away from the halfway points are the fast path's own: it hands
// over almost none of them.
TEST(NumberFormat, FastPathDecidesClearValues) {
    std::mt19937_64 rng(99);
    std::uniform_real_distribution<double> d(-1000.0, 1000.0);
    int handedOver = 0;
    char buf[64];
    for (int i = 0; i < 100000; ++i)
        if (writeFixed4Fast(buf, d(rng), ".") == nullptr) ++handedOver;
    EXPECT_LT(handedOver, 10);
}

struct RoundedCase {
    double value;
    int decimals;
    const char* text;
};

class RoundedTable : public ::testing::TestWithParam<RoundedCase> {};

TEST_P(RoundedTable, FormatsAsListed) {
    const auto& c = GetParam();
    EXPECT_EQ(formatRounded(c.value, c.decimals, "."), c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    GeneralForm, RoundedTable,
    ::testing::Values(RoundedCase{-6, 4, "-6"}, RoundedCase{2.71828, 4, "2.7183"},
                      RoundedCase{0, 4, "0"}, RoundedCase{-0.0, 4, "0"},
                      RoundedCase{-0.00001, 4, "0"}, RoundedCase{1, 4, "1"},
                      RoundedCase{0.5, 4, "0.5"}, RoundedCase{0.0001, 4, "0.0001"},
                      // Ties to even on the binary value: 0.03125 is exact.
                      RoundedCase{0.03125, 4, "0.0312"}, RoundedCase{0.09375, 4, "0.0938"},
                      // 2.00005 is stored below the halfway point.
                      RoundedCase{2.00005, 4, "2"}, RoundedCase{1.5e15, 4, "1.5E+15"},
                      RoundedCase{1e15, 4, "1E+15"}, RoundedCase{-2.5e100, 4, "-2.5E+100"},
                      RoundedCase{999999999999999.0, 4, "999999999999999"},
                      RoundedCase{123456789012.34567, 4, "123456789012.346"},
                      RoundedCase{8.0e-6, 6, "0.000008"}, RoundedCase{1.2e-6, 6, "0.000001"},
                      RoundedCase{4e-7, 6, "0"}, RoundedCase{0.0078125, 6, "0.007812"},
                      RoundedCase{0.0234375, 6, "0.023438"},
                      RoundedCase{999999999999999.0, 6, "999999999999999"},
                      RoundedCase{1.5e15, 6, "1.5E+15"}, RoundedCase{1e20, 6, "1E+20"}));

TEST(GeneralForm, DecimalSymbolOfTheLocale) {
    EXPECT_EQ(formatRounded(2.71828, 4, ","), "2,7183");
    EXPECT_EQ(formatRounded(1.5e15, 4, ","), "1,5E+15");
    EXPECT_EQ(formatRounded(8e-6, 6, ","), "0,000008");
}

}  // namespace
}  // namespace lineer

namespace lineer {
namespace {

TEST(GroupedWholeNumbers, ThreeDigitsPerGroupFromTheRight) {
    const struct {
        long long v;
        const char* group;
        const char* text;
    } table[] = {
        {0, ".", "0"},         {999, ".", "999"},           {1000, ".", "1.000"},
        {1295488, ".", "1.295.488"}, {-1295488, ",", "-1,295,488"}, {123456, "", "123456"},
        {-100, ".", "-100"},   {9223372036854775807LL, "\u202f", "9\u202f223\u202f372\u202f036\u202f854\u202f775\u202f807"},
    };
    for (const auto& row : table) EXPECT_EQ(groupedInt(row.v, row.group), row.text) << row.v;
}

}  // namespace
}  // namespace lineer
