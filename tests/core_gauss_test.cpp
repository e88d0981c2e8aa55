#include <gtest/gtest.h>

#include "testhost.h"

namespace lineer::test {
namespace {

TEST(Gauss, ThreeEquationTranscript) {
    TestHost h;
    auto all = runMethodOn("3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n", Option::LesGauss, h);
    std::vector<std::string> expected = {
        "Katsayılar matrisi",
        " ",
        row({"2.0000", "1.0000", "-1.0000", "8.0000"}),
        row({"-3.0000", "-1.0000", "2.0000", "-11.0000"}),
        row({"-2.0000", "1.0000", "2.0000", "-3.0000"}),
        " ",
        "Üst-üçgenselleştirilmiş matris",
        " ",
        row({"2.0000", "1.0000", "-1.0000", "8.0000"}),
        row({"0", "0.5000", "0.5000", "1.0000"}),
        row({"0", "0", "-1.0000", "1.0000"}),
        " ",
        "Lineer denklem takımının kökleri",
        " ",
        " x(1) = 2.0000",
        " x(2) = 3.0000",
        " x(3) = -1.0000",
    };
    EXPECT_EQ(all, expected);
    EXPECT_TRUE(h.messages.empty());
}

}  // namespace
}  // namespace lineer::test
