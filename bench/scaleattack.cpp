// The scaled-systems attack: every method on well-conditioned systems with
// whole-number roots, multiplied through by 10^k (the whole system, or each
// row by its own k, from -300 to 300). Counts per method the right answers,
// the wrong ones shown as if right, and the refusals: forced where a value
// the method must keep or list cannot be a double, needless otherwise.
//
//   build/bench/lineer_scaleattack            the table
//   build/bench/lineer_scaleattack -v         and every wrong answer and refusal

#include <cstdio>
#include <cstring>
#include <map>

#include "scaledsystems.h"

using namespace lineer;
using namespace lineer::scaled;

int main(int argc, char** argv) {
    if (!kWideLongDouble) {
        std::fputs("The references need a long double wider than a double.\n", stderr);
        return 2;
    }
    const bool verbose = argc > 1 && std::strcmp(argv[1], "-v") == 0;
    struct Count {
        int runs = 0, right = 0, wrong = 0, forced = 0, needless = 0;
    };
    std::map<int, Count> counts;
    Count total;
    for (const BaseSystem& s : baseSystems()) {
        const int n = static_cast<int>(s.a.size());
        std::vector<Scaling> scalings;
        for (int k = -300; k <= 300; k += 20) scalings.push_back(wholeSystem(k, n));
        scalings.push_back(wholeSystem(155, n));
        scalings.push_back(wholeSystem(-155, n));
        for (int k : {100, 200, 300}) {
            scalings.push_back(alternating(k, n));
            scalings.push_back(alternating(-k, n));
        }
        std::vector<int> ramp(n), down(n);
        for (int i = 0; i < n; ++i) ramp[i] = -300 + 600 * i / (n - 1), down[i] = -ramp[i];
        scalings.push_back(perRow(ramp));
        scalings.push_back(perRow(down));
        std::mt19937_64 rng(19);
        for (int r = 0; r < 40; ++r) scalings.push_back(randomRows(rng, n));

        for (const MethodRow& row : kMethods.first(kOptionCount)) {
            const Option option = optionOf(row);
            if (!applies(s, option)) continue;
            for (const Scaling& sc : scalings) {
                const scaled::Outcome o = judge(s, sc, option);
                Count& c = counts[static_cast<int>(option)];
                ++c.runs;
                ++total.runs;
                switch (o.verdict) {
                    case Verdict::Right: ++c.right, ++total.right; break;
                    case Verdict::Wrong: ++c.wrong, ++total.wrong; break;
                    case Verdict::ForcedRefusal: ++c.forced, ++total.forced; break;
                    case Verdict::NeedlessRefusal: ++c.needless, ++total.needless; break;
                }
                if (verbose && o.verdict != Verdict::Right) {
                    const char* what = o.verdict == Verdict::Wrong          ? "WRONG"
                                       : o.verdict == Verdict::ForcedRefusal ? "forced"
                                                                             : "NEEDLESS";
                    std::printf("%-8s %-13s %-6s %-40s %s\n", what, row.cliName, s.name, sc.name.c_str(),
                                o.detail.c_str());
                }
            }
        }
    }
    std::printf("%-13s %6s %6s %6s %8s %9s\n", "method", "runs", "right", "wrong", "forced", "needless");
    for (const MethodRow& row : kMethods.first(kOptionCount)) {
        const Count& c = counts[static_cast<int>(optionOf(row))];
        std::printf("%-13s %6d %6d %6d %8d %9d\n", row.cliName, c.runs, c.right, c.wrong, c.forced, c.needless);
    }
    std::printf("%-13s %6d %6d %6d %8d %9d\n", "all", total.runs, total.right, total.wrong, total.forced,
                total.needless);
    return total.wrong == 0 ? 0 : 1;
}
