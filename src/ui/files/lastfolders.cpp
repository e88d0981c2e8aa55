#include "lastfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace lineer::ui {

namespace {

QString key(FolderKind kind) {
    switch (kind) {
        case FolderKind::Results: return QStringLiteral("klasorler/sonuclar");
        case FolderKind::Pictures: return QStringLiteral("klasorler/resimler");
        case FolderKind::Coefficients: break;
    }
    return QStringLiteral("klasorler/katsayilar");
}

}  // namespace

QString lastFolder(FolderKind kind, const QString& fallback) {
    const QString folder = QSettings().value(key(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void rememberFolder(FolderKind kind, const QString& filePath) {
    QSettings().setValue(key(kind), QFileInfo(filePath).absolutePath());
}

}  // namespace lineer::ui
