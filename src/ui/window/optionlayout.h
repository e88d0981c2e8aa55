#pragma once
// The form's option buttons as the form lays them out: each one's name,
// place in twips inside Frame2, keyboard order and caption colour, by its
// method's option. What a method is and does is in the method table.

#include <cstddef>
#include <iterator>
#include <optional>

#include "host.h"
#include "methodtable.h"

namespace lineer::ui {

// A place on the form, in twips.
struct Twips {
    int left, top, width, height;
};

struct OptionLayout {
    Option option;
    const char* objectName;     // the option button's name
    Twips place;                // inside Frame2
    int tabKey;                 // keyboard order among the options and the boxes
    std::optional<Rgb> colour;  // the caption's colour; none: the default
};

inline constexpr Rgb kDarkGreen{0, 128, 0};
inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kBlue{0, 0, 255};

// The two text boxes sit in the options' keyboard order at these keys.
inline constexpr int kTabKeyW = 10;
inline constexpr int kTabKeyMaxIter = 11;

// In the order the calculate button tests the options.
inline constexpr OptionLayout kOptionLayout[] = {
    {Option::DetGauss, "Option_DetGauss", {240, 360, 2415, 195}, 0, std::nullopt},
    {Option::InvScrobanski, "Option_InvScrobanski", {240, 1080, 2175, 255}, 1, std::nullopt},
    {Option::LesGauss, "Option_LesGauss", {240, 1800, 2535, 255}, 3, kDarkGreen},
    {Option::LesMPGauss, "Option_LesMPGauss", {240, 2160, 2775, 255}, 2, kDarkGreen},
    {Option::LesGaussJordan, "Option_LesGaussJordan", {240, 2520, 2895, 195}, 12, kDarkGreen},
    {Option::LesDoolittle, "Option_LesDoolittle", {240, 2880, 2775, 195}, 6, kDarkGreen},
    {Option::LesCrout, "Option_LesCrout", {240, 3240, 2655, 255}, 5, kDarkGreen},
    {Option::LesThomas, "Option_LesThomas", {240, 3600, 2055, 255}, 4, kDarkGreen},
    {Option::LesJacobi, "Option_LesJacobi", {240, 3960, 2535, 255}, 9, kDarkBlue},
    {Option::LesGaussSidel, "Option_LesGaussSidel", {240, 4320, 2535, 195}, 8, kBlue},
    {Option::LesSOR, "Option_LesSOR", {240, 4680, 2415, 195}, 7, kBlue},
};

namespace detail {
constexpr bool everyButtonInOptionOrder() {
    if (std::size(kOptionLayout) != static_cast<std::size_t>(kOptionCount)) return false;
    for (int k = 0; k < kOptionCount; ++k)
        if (static_cast<int>(kOptionLayout[k].option) != k) return false;
    return true;
}
}  // namespace detail
static_assert(detail::everyButtonInOptionOrder(), "one layout row for each of the form's options, row k for option k");

}  // namespace lineer::ui
