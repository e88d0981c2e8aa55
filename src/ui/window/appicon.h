#pragma once
// The program's icon, built into the executable so that a window shows it
// wherever the program was installed or started from.

#include <QIcon>

namespace lineer::ui {

// The pixel sizes the icon is drawn at.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QIcon appIcon();

}  // namespace lineer::ui
