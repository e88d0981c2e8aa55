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

struct MethodRow {
    Option option;
    const char* objectName;     // the option button's name
    const char* cliName;        // --method NAME
    const char* caption;        // the option button's caption
    const char* cliHelp;        // the line of "--help" after the name
    Group group;
    std::optional<Rgb> colour;  // the caption's colour; none: the default
    Twips place;                // the option button, inside Frame2
    int tabKey;                 // keyboard order among the options and the boxes
    bool usesMaxIter;           // shows "Maksimum iterasyon sayısı"
    bool usesW;                 // shows "Gevşetme faktörü"
    void (*run)(Context&);
};

inline constexpr Rgb kDarkGreen{0, 128, 0};
inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kBlue{0, 0, 255};

// The two text boxes sit in the options' keyboard order at these keys.
inline constexpr int kTabKeyW = 10;
inline constexpr int kTabKeyMaxIter = 11;

// clang-format off
inline constexpr MethodRow kMethods[] = {
    {Option::DetGauss, "Option_DetGauss", "det", "Gauss-eliminasyon yöntemi",
     "Gauss eliminasyonu ile determinant", Group::Determinant, std::nullopt,
     {240, 360, 2415, 195}, 0, false, false, Module_DetGauss},
    {Option::InvScrobanski, "Option_InvScrobanski", "inverse", "Scrobanski yöntemi",
     "Scrobanski yöntemi ile ters matris", Group::Inverse, std::nullopt,
     {240, 1080, 2175, 255}, 1, false, false, Module_InvScrobanski},
    {Option::LesGauss, "Option_LesGauss", "gauss", "Gauss Eliminasyon yöntemi",
     "Gauss eliminasyon yöntemi", Group::LinearSystem, kDarkGreen,
     {240, 1800, 2535, 255}, 3, false, false, Module_LesGauss},
    {Option::LesMPGauss, "Option_LesMPGauss", "mpgauss", "Maks. Pivotlu Gauss- Eliminasyon",
     "Maksimum pivotlu Gauss eliminasyonu", Group::LinearSystem, kDarkGreen,
     {240, 2160, 2775, 255}, 2, false, false, Module_LesMPGauss},
    {Option::LesGaussJordan, "Option_LesGaussJordan", "gauss-jordan", "Gauss-Jordan eliminasyon yöntemi",
     "Gauss-Jordan eliminasyon yöntemi", Group::LinearSystem, kDarkGreen,
     {240, 2520, 2895, 195}, 12, false, false, Module_LesGaussJordan},
    {Option::LesDoolittle, "Option_LesDoolittle", "doolittle", "Doolittle LU ayrıştırma yöntemi",
     "Doolittle LU ayrıştırma yöntemi", Group::LinearSystem, kDarkGreen,
     {240, 2880, 2775, 195}, 6, false, false,
     [](Context& ctx) { Module_LUFact(ctx, LuVariant::Doolittle); }},
    {Option::LesCrout, "Option_LesCrout", "crout", "Crout LU Ayrıştırma yöntemi",
     "Crout LU ayrıştırma yöntemi", Group::LinearSystem, kDarkGreen,
     {240, 3240, 2655, 255}, 5, false, false,
     [](Context& ctx) { Module_LUFact(ctx, LuVariant::Crout); }},
    {Option::LesThomas, "Option_LesThomas", "thomas", "Thomas yöntemi",
     "Thomas yöntemi", Group::LinearSystem, kDarkGreen,
     {240, 3600, 2055, 255}, 4, false, false, Module_LesThomas},
    {Option::LesJacobi, "Option_LesJacobi", "jacobi", "Jacobi basit iterasyon yöntemi",
     "Jacobi basit iterasyon yöntemi", Group::LinearSystem, kDarkBlue,
     {240, 3960, 2535, 255}, 9, true, false, Module_LesJacobi},
    {Option::LesGaussSidel, "Option_LesGaussSidel", "gauss-seidel", "Gauss-Sidel iterasyon yöntemi",
     "Gauss-Seidel iterasyon yöntemi", Group::LinearSystem, kBlue,
     {240, 4320, 2535, 195}, 8, true, false, Module_LesGaussSidel},
    {Option::LesSOR, "Option_LesSOR", "sor", "SOR iterasyon yöntemi",
     "SOR iterasyon yöntemi", Group::LinearSystem, kBlue,
     {240, 4680, 2415, 195}, 7, true, true, Module_LesSOR},
};
// clang-format on

// The methods the command line offers beside the window's option buttons,
// in the order of their options after the last button's.
// clang-format off
inline constexpr MethodRow kCommandLineMethods[] = {
    {Option::LesSORTextbook, "", "sor-textbook", "SOR (ders kitabı)",
     "SOR, ders kitabındaki gibi: her bileşen hesaplanınca gevşetilir", Group::LinearSystem, std::nullopt,
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
}  // namespace detail
static_assert(detail::rowsInOptionOrder(), "row k of kMethods, then of kCommandLineMethods, must be the method of option k");

}  // namespace lineer
