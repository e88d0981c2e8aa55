// Systems written in other units: every method, on well-conditioned systems
// multiplied through by powers of ten, shows the roots of the system itself
// or ends with a message that the method's order of operations forces; never
// other roots as if they were right. The full attack is bench/scaleattack.

#include <gtest/gtest.h>

#include "scaledsystems.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

using namespace scaled;

const std::string kUnderflowMessage = "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)";

class ScaledSystems : public ::testing::TestWithParam<MethodRow> {};

TEST_P(ScaledSystems, GiveTheSameRootsOrAForcedMessage) {
    if (!kWideLongDouble) GTEST_SKIP() << "the references need a long double wider than a double";
    const Option option = optionOf(GetParam());
    std::mt19937_64 rng(2026);
    for (const BaseSystem& s : baseSystems()) {
        if (!applies(s, option)) continue;
        const int n = static_cast<int>(s.a.size());
        for (const Scaling& scaling : {wholeSystem(-300, n), wholeSystem(-200, n), wholeSystem(155, n),
                                       wholeSystem(300, n), alternating(300, n), alternating(-200, n),
                                       randomRows(rng, n), randomRows(rng, n)}) {
            const scaled::Outcome o = judge(s, scaling, option);
            const std::string where = std::string(s.name) + ", " + scaling.name + ": " + o.detail;
            EXPECT_NE(o.verdict, Verdict::Wrong) << where;
            EXPECT_NE(o.verdict, Verdict::NeedlessRefusal) << where;
            if (o.verdict == Verdict::ForcedRefusal) {
                EXPECT_TRUE(o.detail == kUnderflowMessage || o.detail == kOverflowMessage) << where;
            }
        }
    }
}

// The form's methods.
INSTANTIATE_TEST_SUITE_P(EveryMethod, ScaledSystems, ::testing::ValuesIn(kMethods.first(kOptionCount)),
                         [](const auto& info) {
                             std::string name = info.param.cliName;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
}  // namespace lineer::test
