// The method table: one row per method.

#include "methodtable.h"

#include <cmath>
#include <memory>

#include "detinv.h"
#include "directsolvers.h"
#include "iterative.h"
#include "measures.h"

namespace lineer {

// A method's procedure is defined in its own file. One without a header
// of its own is declared here, beside its row, as
//     MethodProcedure Module_LesNew;
// and its file defines RunResult Module_LesNew(Context& ctx).

namespace {

using analysis::Direct;
using analysis::Iteration;
using Use = analysis::DirectUse;
using Cost = analysis::DirectMethod;

consteval std::optional<TextTemplate<1>> named(Text key) { return TextTemplate<1>(key); }

constexpr Need kSystem = Need::Augmented;
// Compared once, under the help line.
constexpr Compared kOnce{true, std::nullopt, std::nullopt};
// Compared once, in the table of the textbook methods.
constexpr Compared kTextbook{true, std::nullopt, std::nullopt, true};

// clang-format off
constexpr MethodRow kRows[] = {
    {.cliName = "det", .caption = Text::CaptionDetGauss, .help = Text::HelpDetGauss,
     .place = Place::Form, .group = Group::Determinant, .run = Module_DetGauss, .needs = Need::Square,
     .analysed = {Direct::Determinant, {}}, .remarked = Use::Determinant, .counted = Cost::Determinant, .exact = true,
     .runExact = Module_DetGaussExact},
    {.cliName = "inverse", .caption = Text::CaptionInvScrobanski, .help = Text::HelpInvScrobanski,
     .place = Place::Form, .group = Group::Inverse, .run = Module_InvScrobanski, .needs = Need::Square,
     .analysed = {Direct::Inverse, {}}, .remarked = Use::Inverse, .counted = Cost::Inverse, .exact = true},
    {.cliName = "gauss", .caption = Text::CaptionLesGauss, .help = Text::HelpLesGauss,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesGauss, .needs = kSystem,
     .compared = kOnce, .analysed = {Direct::Solver, {}},
     .remarked = Use::System, .counted = Cost::Gauss, .exact = true, .runExact = Module_LesGaussExact},
    {.cliName = "mpgauss", .caption = Text::CaptionLesMPGauss, .help = Text::HelpLesMPGauss,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesMPGauss, .needs = kSystem,
     .compared = kOnce, .analysed = {Direct::Solver, {}},
     .remarked = Use::MaxPivot, .counted = Cost::MaxPivotGauss, .exact = true},
    {.cliName = "gauss-jordan", .caption = Text::CaptionLesGaussJordan, .help = Text::HelpLesGaussJordan,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesGaussJordan, .needs = kSystem,
     .compared = kOnce, .analysed = {Direct::GaussJordan, {}},
     .remarked = Use::Exchanging, .counted = Cost::GaussJordan, .exact = true,
     .runExact = Module_LesGaussJordanExact},
    {.cliName = "doolittle", .caption = Text::CaptionLesDoolittle, .help = Text::HelpLesDoolittle,
     .place = Place::Form, .group = Group::LinearSystem,
     .run = [](Context& ctx) { return Module_LUFact(ctx, LuVariant::Doolittle); }, .needs = kSystem,
     .compared = kOnce, .analysed = {Direct::Solver, {}},
     .remarked = Use::System, .counted = Cost::Doolittle, .exact = true},
    {.cliName = "crout", .caption = Text::CaptionLesCrout, .help = Text::HelpLesCrout,
     .place = Place::Form, .group = Group::LinearSystem,
     .run = [](Context& ctx) { return Module_LUFact(ctx, LuVariant::Crout); }, .needs = kSystem,
     .compared = kOnce, .analysed = {Direct::Solver, {}},
     .remarked = Use::System, .counted = Cost::Crout, .exact = true},
    {.cliName = "thomas", .caption = Text::CaptionLesThomas, .help = Text::HelpLesThomas,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesThomas,
     .needs = kSystem | Need::Tridiagonal, .compared = kOnce, .analysed = {Direct::Thomas, {}},
     .remarked = Use::System, .counted = Cost::Thomas, .exact = true},
    {.cliName = "jacobi", .caption = Text::CaptionLesJacobi, .help = Text::HelpLesJacobi,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesJacobi, .needs = kSystem,
     .usesMaxIter = true, .compared = kOnce, .analysed = {{}, Iteration::Jacobi}},
    {.cliName = "gauss-seidel", .caption = Text::CaptionLesGaussSidel, .help = Text::HelpLesGaussSidel,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesGaussSidel, .needs = kSystem,
     .usesMaxIter = true, .compared = kOnce, .analysed = {{}, Iteration::GaussSeidel}},
    {.cliName = "sor", .caption = Text::CaptionLesSOR, .help = Text::HelpLesSOR,
     .place = Place::Form, .group = Group::LinearSystem, .run = Module_LesSOR, .needs = kSystem,
     .usesMaxIter = true, .usesW = true, .compared = {true, named(Text::CompareProgramSor), std::nullopt},
     .analysed = {{}, Iteration::Sor}},
    {.cliName = "sor-textbook", .caption = Text::CaptionLesSORTextbook, .help = Text::HelpLesSORTextbook,
     .place = Place::TextbookList, .group = Group::LinearSystem, .run = Module_LesSORTextbook, .needs = kSystem,
     .usesMaxIter = true, .usesW = true,
     .compared = {true, named(Text::CompareTextbookSorAtW), named(Text::CompareTextbookSorBest)},
     .analysed = {{}, Iteration::SorTextbook}},
    {.cliName = "gauss-pivot", .caption = Text::CaptionLesGaussPivot, .help = Text::HelpLesGaussPivot,
     .place = Place::TextbookList, .group = Group::LinearSystem, .run = Module_LesGaussPivot, .needs = kSystem,
     .compared = kTextbook, .analysed = {Direct::Solver, {}}, .remarked = Use::Exchanging,
     .counted = Cost::MaxPivotGauss, .exact = true},
    {.cliName = "complete-pivot", .caption = Text::CaptionLesCompletePivot, .help = Text::HelpLesCompletePivot,
     .place = Place::TextbookList, .group = Group::LinearSystem, .run = Module_LesCompletePivot, .needs = kSystem,
     .compared = kTextbook, .analysed = {Direct::Solver, {}}, .remarked = Use::Exchanging,
     .counted = Cost::MaxPivotGauss, .exact = true},
    {.cliName = "lu-pivot", .caption = Text::CaptionLesLUPivot, .help = Text::HelpLesLUPivot,
     .place = Place::TextbookList, .group = Group::LinearSystem, .run = Module_LesLUPivot, .needs = kSystem,
     .compared = kTextbook, .analysed = {Direct::Solver, {}}, .remarked = Use::Exchanging,
     .counted = Cost::LuPivot, .exact = true},
    {.cliName = "cholesky", .caption = Text::CaptionLesCholesky, .help = Text::HelpLesCholesky,
     .place = Place::TextbookList, .group = Group::LinearSystem, .run = Module_LesCholesky,
     .needs = kSystem | Need::SymmetricPositiveDefinite, .compared = kTextbook, .analysed = {Direct::Solver, {}},
     .remarked = Use::System},
    {.cliName = "det-pivot", .caption = Text::CaptionDetPivot, .help = Text::HelpDetPivot,
     .place = Place::TextbookList, .group = Group::Determinant, .run = Module_DetPivot, .needs = Need::Square,
     .analysed = {Direct::Determinant, {}}, .remarked = Use::Determinant, .exact = true},
};
// clang-format on

constexpr bool same(const char* a, const char* b) { return std::string_view(a) == std::string_view(b); }

// The names the code gives rows, and the form's buttons before the rest.
constexpr bool namedRowsInPlace() {
    const char* names[] = {"det",    "inverse", "gauss",  "mpgauss",      "gauss-jordan", "doolittle",
                           "crout",  "thomas",  "jacobi", "gauss-seidel", "sor",          "sor-textbook"};
    for (int k = 0; k <= static_cast<int>(Option::LesSORTextbook); ++k)
        if (!same(kRows[k].cliName, names[k])) return false;
    for (int k = 0; k < static_cast<int>(std::size(kRows)); ++k)
        if ((kRows[k].place == Place::Form) != (k < kOptionCount)) return false;
    return true;
}
static_assert(namedRowsInPlace(), "row k is the method of Option k, and the form's option buttons come first");

constexpr bool namesDiffer() {
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        for (std::size_t j = i + 1; j < std::size(kRows); ++j)
            if (same(kRows[i].cliName, kRows[j].cliName)) return false;
    return true;
}
static_assert(namesDiffer(), "every method has a command-line name of its own");

// Whether the square block is symmetric and its Cholesky factorisation
// (in long double) meets no pivot at or below 0.
bool symmetricPositiveDefinite(const Matrix& A, int n) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j < i; ++j)
            if (A(i, j) != A(j, i)) return false;
    auto L = std::make_unique<long double[]>(static_cast<std::size_t>(kDim) * kDim);
    auto l = [&](int i, int j) -> long double& { return L[static_cast<std::size_t>(i) * kDim + j]; };
    for (int k = 1; k <= n; ++k) {
        long double d = A(k, k);
        for (int j = 1; j < k; ++j) d -= l(k, j) * l(k, j);
        if (!(d > 0) || !std::isfinite(d)) return false;
        l(k, k) = std::sqrt(d);
        for (int i = k + 1; i <= n; ++i) {
            long double s = A(i, k);
            for (int j = 1; j < k; ++j) s -= l(i, j) * l(k, j);
            l(i, k) = s / l(k, k);
        }
    }
    return true;
}

}  // namespace

constinit const std::span<const MethodRow> kMethods{kRows};
constinit const int kAllOptionCount = static_cast<int>(std::size(kRows));

const MethodRow& methodRow(Option option) { return kRows[static_cast<std::size_t>(option)]; }

Option optionOf(const MethodRow& row) { return *optionNamed(row.cliName); }

std::optional<Option> optionNamed(std::string_view name) {
    for (std::size_t k = 0; k < std::size(kRows); ++k)
        if (name == kRows[k].cliName) return static_cast<Option>(k);
    return std::nullopt;
}

bool meets(Need needs, const Workspace& loaded) {
    const int n = loaded.n;
    if (has(needs, Need::Square) && loaded.m < n) return false;
    if (has(needs, Need::Augmented) && loaded.m != n + 1) return false;
    if (has(needs, Need::Tridiagonal) && analysis::offTridiagonal(loaded.A, n) != 0) return false;
    if (has(needs, Need::SymmetricPositiveDefinite) && !symmetricPositiveDefinite(loaded.A, n)) return false;
    return true;
}

}  // namespace lineer
