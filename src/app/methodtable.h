#pragma once
// The methods, one row each: everything the dispatcher, the window and the
// command line know about a method. A new method is a new option value and
// a new row here, and its procedure.

#include <array>
#include <optional>

#include "context.h"
#include "detinv.h"
#include "directsolvers.h"
#include "iterative.h"
#include "texts.h"

namespace lineer {

// The method options, in the order the calculate button tests them; the
// value is the row's index in kMethods.
enum class Option : int {
    DetGauss,
    InvScrobanski,
    LesGauss,
    LesMPGauss,
    LesGaussJordan,
    LesDoolittle,
    LesCrout,
    LesThomas,
    LesJacobi,
    LesGaussSidel,
    LesSOR,
    // Options of the command line alone, after the window's (kCommandLineMethods).
    LesSORTextbook,
};

// The heading an option button stands under.
enum class Group { Determinant, Inverse, LinearSystem };

// A place on the form, in twips.
struct Twips {
    int left, top, width, height;
};

// A text of the method table in both languages.
struct MethodWords {
    const char* turkish;
    const char* english;
    // The text in the language the program speaks now.
    const char* now() const { return language() == Language::English ? english : turkish; }
};

struct MethodRow {
    Option option;
    const char* objectName;     // the option button's name
    const char* cliName;        // --method NAME
    MethodWords caption;        // the option button's caption
    MethodWords cliHelp;        // the line of "--help" after the name
    Group group;
    std::optional<Rgb> colour;  // the caption's colour; none: the default
    Twips place;                // the option button, inside Frame2
    int tabKey;                 // keyboard order among the options and the boxes
    bool usesMaxIter;           // shows "Maksimum iterasyon sayısı"
    bool usesW;                 // shows "Gevşetme faktörü"
    RunResult (*run)(Context&);
};

inline constexpr Rgb kDarkGreen{0, 128, 0};
inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kBlue{0, 0, 255};

// The two text boxes sit in the options' keyboard order at these keys.
inline constexpr int kTabKeyW = 10;
inline constexpr int kTabKeyMaxIter = 11;

// clang-format off
inline constexpr MethodRow kMethods[] = {
    {Option::DetGauss, "Option_DetGauss", "det",
     {"Gauss-eliminasyon yöntemi", "Gauss elimination"},
     {"Gauss eliminasyonu ile determinant", "determinant by Gauss elimination"}, Group::Determinant, std::nullopt,
     {240, 360, 2415, 195}, 0, false, false, Module_DetGauss},
    {Option::InvScrobanski, "Option_InvScrobanski", "inverse",
     {"Scrobanski yöntemi", "Scrobanski method"},
     {"Scrobanski yöntemi ile ters matris", "inverse by the Scrobanski (bordering) method"}, Group::Inverse, std::nullopt,
     {240, 1080, 2175, 255}, 1, false, false, Module_InvScrobanski},
    {Option::LesGauss, "Option_LesGauss", "gauss",
     {"Gauss Eliminasyon yöntemi", "Gauss elimination"},
     {"Gauss eliminasyon yöntemi", "Gauss elimination"}, Group::LinearSystem, kDarkGreen,
     {240, 1800, 2535, 255}, 3, false, false, Module_LesGauss},
    {Option::LesMPGauss, "Option_LesMPGauss", "mpgauss",
     {"Maks. Pivotlu Gauss- Eliminasyon", "Max. pivot Gauss elimination"},
     {"Maksimum pivotlu Gauss eliminasyonu", "Gauss elimination with maximum pivoting"}, Group::LinearSystem, kDarkGreen,
     {240, 2160, 2775, 255}, 2, false, false, Module_LesMPGauss},
    {Option::LesGaussJordan, "Option_LesGaussJordan", "gauss-jordan",
     {"Gauss-Jordan eliminasyon yöntemi", "Gauss-Jordan elimination"},
     {"Gauss-Jordan eliminasyon yöntemi", "Gauss-Jordan elimination"}, Group::LinearSystem, kDarkGreen,
     {240, 2520, 2895, 195}, 12, false, false, Module_LesGaussJordan},
    {Option::LesDoolittle, "Option_LesDoolittle", "doolittle",
     {"Doolittle LU ayrıştırma yöntemi", "Doolittle LU factorisation"},
     {"Doolittle LU ayrıştırma yöntemi", "Doolittle LU factorisation"}, Group::LinearSystem, kDarkGreen,
     {240, 2880, 2775, 195}, 6, false, false,
     [](Context& ctx) { return Module_LUFact(ctx, LuVariant::Doolittle); }},
    {Option::LesCrout, "Option_LesCrout", "crout",
     {"Crout LU Ayrıştırma yöntemi", "Crout LU factorisation"},
     {"Crout LU ayrıştırma yöntemi", "Crout LU factorisation"}, Group::LinearSystem, kDarkGreen,
     {240, 3240, 2655, 255}, 5, false, false,
     [](Context& ctx) { return Module_LUFact(ctx, LuVariant::Crout); }},
    {Option::LesThomas, "Option_LesThomas", "thomas",
     {"Thomas yöntemi", "Thomas algorithm"},
     {"Thomas yöntemi", "Thomas algorithm for tridiagonal systems"}, Group::LinearSystem, kDarkGreen,
     {240, 3600, 2055, 255}, 4, false, false, Module_LesThomas},
    {Option::LesJacobi, "Option_LesJacobi", "jacobi",
     {"Jacobi basit iterasyon yöntemi", "Jacobi iteration"},
     {"Jacobi basit iterasyon yöntemi", "Jacobi iteration"}, Group::LinearSystem, kDarkBlue,
     {240, 3960, 2535, 255}, 9, true, false, Module_LesJacobi},
    {Option::LesGaussSidel, "Option_LesGaussSidel", "gauss-seidel",
     {"Gauss-Sidel iterasyon yöntemi", "Gauss-Seidel iteration"},
     {"Gauss-Seidel iterasyon yöntemi", "Gauss-Seidel iteration"}, Group::LinearSystem, kBlue,
     {240, 4320, 2535, 195}, 8, true, false, Module_LesGaussSidel},
    {Option::LesSOR, "Option_LesSOR", "sor",
     {"SOR iterasyon yöntemi", "SOR iteration"},
     {"SOR iterasyon yöntemi", "SOR iteration (successive over-relaxation)"}, Group::LinearSystem, kBlue,
     {240, 4680, 2415, 195}, 7, true, true, Module_LesSOR},
};
// clang-format on

// The methods the command line offers beside the window's option buttons,
// in the order of their options after the last button's.
// clang-format off
inline constexpr MethodRow kCommandLineMethods[] = {
    {Option::LesSORTextbook, "", "sor-textbook", {"SOR (ders kitabı)", "SOR (textbook)"},
     {"SOR, ders kitabındaki gibi: her bileşen hesaplanınca gevşetilir",
      "SOR as textbooks write it: each component relaxed as soon as it is computed"},
     Group::LinearSystem, std::nullopt,
     {0, 0, 0, 0}, -1, true, true, Module_LesSORTextbook},
};
// clang-format on

// The window's option buttons.
inline constexpr int kOptionCount = static_cast<int>(std::size(kMethods));
// Every option, the command line's own included.
inline constexpr int kAllOptionCount = kOptionCount + static_cast<int>(std::size(kCommandLineMethods));

inline constexpr const MethodRow& methodRow(Option option) {
    const int k = static_cast<int>(option);
    return k < kOptionCount ? kMethods[k] : kCommandLineMethods[k - kOptionCount];
}

namespace detail {
constexpr bool rowsInOptionOrder() {
    for (int k = 0; k < kOptionCount; ++k)
        if (static_cast<int>(kMethods[k].option) != k) return false;
    for (int k = kOptionCount; k < kAllOptionCount; ++k)
        if (static_cast<int>(kCommandLineMethods[k - kOptionCount].option) != k) return false;
    return true;
}
constexpr bool everyRowInBothLanguages() {
    for (int k = 0; k < kAllOptionCount; ++k) {
        const MethodRow& row = methodRow(static_cast<Option>(k));
        if (!row.caption.turkish || !row.caption.english || !row.cliHelp.turkish || !row.cliHelp.english) return false;
    }
    return true;
}
}  // namespace detail
static_assert(detail::rowsInOptionOrder(), "row k of kMethods, then of kCommandLineMethods, must be the method of option k");
static_assert(detail::everyRowInBothLanguages(), "every method has its caption and help line in Turkish and English");

}  // namespace lineer
