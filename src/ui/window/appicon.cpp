#include "appicon.h"

namespace lineer::ui {

QIcon appIcon() {
    QIcon icon;
    for (int size : kIconSizes) icon.addFile(QStringLiteral(":/icons/lineer-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace lineer::ui
