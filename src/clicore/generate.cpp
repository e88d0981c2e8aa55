#include "generate.h"

#include <cstdio>
#include <string_view>

#include "cli.h"
#include "exercise.h"
#include "loader.h"
#include "numformat.h"
#include "replacefile.h"
#include "texts.h"

namespace lineer::cli {

namespace {

struct Request {
    exercises::Kind kind = exercises::Kind::Integer;
    int n = 0;
    std::uint64_t seed = 1;
    std::string answers;
};

// A whole number of decimal digits alone, at most `largest`.
bool readWhole(std::string_view digits, std::uint64_t largest, std::uint64_t& out) {
    if (digits.empty() || digits.size() > 20) return false;
    std::uint64_t v = 0;
    for (char c : digits) {
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (c < '0' || c > '9' || v > (largest - d) / 10) return false;
        v = v * 10 + d;
    }
    out = v;
    return true;
}

// The request, or the usage error in `problem`. "--seed=S" and
// "--answers=FILE" are read as "--seed S" and "--answers FILE".
Request parse(const std::vector<std::string>& given, std::string& problem) {
    std::vector<std::string> args;
    for (const std::string& a : given) {
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(0, eq);
        args.push_back(eq != std::string::npos && (name == "--seed" || name == "--answers") ? name : a);
        if (args.back() != a) args.push_back(a.substr(eq + 1));
    }
    Request r;
    bool kindGiven = false;
    for (std::size_t i = 1; i < args.size() && problem.empty(); ++i) {
        const std::string& a = args[i];
        const bool last = i + 1 >= args.size();
        std::uint64_t v = 0;
        if (a == "--generate") {
            if (i + 2 >= args.size()) {
                problem = text(Text::CliGenerateNeeds);
            } else if (const auto kind = exercises::kindNamed(args[i + 1])) {
                r.kind = *kind;
                kindGiven = true;
                if (!readWhole(args[i + 2], exercises::kMaxEquations, v) || v < 1)
                    problem = format(Text::CliBadSize, shownPath(args[i + 2]));
                r.n = static_cast<int>(v);
                i += 2;
            } else {
                problem = format(Text::CliUnknownKind, shownPath(args[i + 1]));
            }
        } else if (a == "--seed") {
            if (last || !readWhole(args[i + 1], UINT64_MAX, r.seed))
                problem = format(Text::CliBadSeed, last ? std::string() : shownPath(args[i + 1]));
            ++i;
        } else if (a == "--answers") {
            if (last || args[i + 1].empty()) problem = format(Text::CliOutputNeedsName, "--answers");
            if (!last) r.answers = args[++i];
        } else {
            problem = format(Text::CliGenerateOnly, shownPath(a));
        }
    }
    if (problem.empty() && !kindGiven) problem = text(Text::CliGenerateNeeds);
    return r;
}

}  // namespace

std::optional<int> generateIfAsked(const std::vector<std::string>& args, const std::string& decimal) {
    bool asked = false;
    for (std::size_t i = 1; i < args.size() && args[i] != "--"; ++i) asked = asked || args[i] == "--generate";
    if (!asked) return std::nullopt;

    std::string problem;
    const Request r = parse(args, problem);
    if (!problem.empty()) return usage(problem);
    const exercises::Exercise e = exercises::generate(r.kind, r.n, r.seed);
    // The key first: a sheet without its key is not written at all.
    if (!r.answers.empty()) {
        const std::string why = replaceFileContents(r.answers, exercises::answersText(e, decimal));
        if (!why.empty()) {
            const std::string line = format(Text::CliAnswersNotSaved, shownPath(r.answers), why);
            std::fprintf(stderr, "%s\n", line.c_str());
            return 2;
        }
    }
    const std::string sheet = exercises::coefficientText(e);
    if (std::fwrite(sheet.data(), 1, sheet.size(), stdout) != sheet.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s\n", std::string(text(Text::CliOutputFailed)).c_str());
        return 2;
    }
    return 0;
}

}  // namespace lineer::cli
