#pragma once
// The folder each kind of file dialog used last, kept between runs.

#include <QString>

namespace lineer::ui {

enum class FolderKind { Results, Pictures, Coefficients };

// The folder a dialog of this kind last chose a file in, while it still
// exists; else `fallback`.
QString lastFolder(FolderKind kind, const QString& fallback);

// Remembers the folder of `filePath` for dialogs of this kind.
void rememberFolder(FolderKind kind, const QString& filePath);

}  // namespace lineer::ui
