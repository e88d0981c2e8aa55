#pragma once
// The form's unit: geometry is given in twips, 1/1440 inch.

namespace lineer::ui {

// 15 twips are one device-independent pixel.
constexpr int twips(int t) { return (t + 7) / 15; }

}  // namespace lineer::ui
