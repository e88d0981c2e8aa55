#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numparse.h"
#include "platform_tochars.h"

namespace lineer {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Case {
    std::string text;
    double value;
};

class DecimalToDouble : public ::testing::TestWithParam<Case> {};

TEST_P(DecimalToDouble, GivesTheNearestDouble) {
    const Case& c = GetParam();
    EXPECT_TRUE(sameBits(decimalToDouble(c.text), c.value)) << c.text;
}

const std::string kOnePlusHalfUlp = "1.00000000000000011102230246251565404236316680908203125";

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalToDouble,
    ::testing::Values(
        Case{"0", 0}, Case{"-0", -0.0}, Case{"+0.000e999999999", 0}, Case{"-0e-5", -0.0}, Case{"1", 1},
        Case{".5", 0.5}, Case{"5.", 5}, Case{"0.1", 0.1}, Case{"-1.5E-3", -0.0015}, Case{"1e23", 1e23},
        Case{"8.98846567431158e307", 8.98846567431158e307}, Case{"9007199254740993", 9007199254740992.0},
        Case{"9007199254740995", 9007199254740996.0}, Case{"9007199254740993.0000000000000001", 9007199254740994.0},
        // Exactly halfway between 1 and the next double: ties to even;
        // anything beyond the halfway point rounds up.
        Case{kOnePlusHalfUlp, 1.0}, Case{kOnePlusHalfUlp + std::string(800, '0') + "1", 1.0000000000000002},
        Case{kOnePlusHalfUlp.substr(0, kOnePlusHalfUlp.size() - 1) + "4" + std::string(900, '9'), 1.0},
        Case{"1.7976931348623157e308", 1.7976931348623157e308}, Case{"1.7976931348623158e308", 1.7976931348623157e308},
        Case{"1.7976931348623159e308", kInf}, Case{"-1e309", -kInf}, Case{"1" + std::string(400, '0'), kInf},
        Case{"2.2250738585072011e-308", 2.2250738585072011e-308}, Case{"2.2250738585072012e-308", 2.2250738585072014e-308},
        Case{"4.9406564584124654e-324", 4.9406564584124654e-324}, Case{"2.4703282292062327e-324", 0},
        Case{"2.4703282292062328e-324", 4.9406564584124654e-324}, Case{"-1e-400", -0.0},
        Case{"0." + std::string(323, '0') + "5", 4.9406564584124654e-324}, Case{"000123.4500e0002", 12345},
        Case{"1e0000000000000000000000000003", 1000}, Case{"12345678901234567890123", 12345678901234567890123.0}));

struct HexCase {
    std::string digits;
    double value;
};

TEST(HexToDouble, RoundsLongNumbersToNearestEven) {
    for (const HexCase& c : {HexCase{"", 0}, HexCase{"0", 0}, HexCase{"fF", 255}, HexCase{"20000000000001", 9007199254740992.0},
                             HexCase{"20000000000003", 9007199254740996.0}, HexCase{"FFFFFFFFFFFFFFFF", 18446744073709551616.0},
                             HexCase{std::string(300, '0') + "10", 16}, HexCase{std::string(256, 'F'), kInf},
                             HexCase{"1" + std::string(256, '0'), kInf}, HexCase{"1" + std::string(255, '0'), 0x1p1020}, HexCase{"12G", 0}})
        EXPECT_TRUE(sameBits(hexToDouble(c.digits), c.value)) << c.digits;
}

// Random doubles written in several forms come back bit for bit.
TEST(DecimalToDouble, AgreesOnRandomValues) {
    std::mt19937_64 rng(2024);
    char buf[800];
    for (int i = 0; i < 20000; ++i) {
        double v;
        // Any bits; every third value near 1, every fifth subnormal.
        std::uint64_t bits = rng();
        if (i % 3 == 0) bits = (bits & ((1ULL << 52) - 1)) | std::uint64_t(1003 + rng() % 40) << 52;
        if (i % 5 == 0) bits &= (1ULL << 52) - 1;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) continue;
        for (int form = 0; form < 3; ++form) {
            auto r = form == 0   ? toChars(buf, buf + sizeof buf, v)
                     : form == 1 ? toChars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16)
                                 : toChars(buf, buf + sizeof buf, v, std::chars_format::scientific, 780);
            const std::string text(buf, r.ptr);
            ASSERT_TRUE(sameBits(decimalToDouble(text), v)) << text;
        }
    }
}

}  // namespace
}  // namespace lineer
