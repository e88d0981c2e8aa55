#include "savedialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QStringList>

#include <string_view>

#include "lastfolders.h"
#include "picturecanvas.h"
#include "picturerecord.h"
#include "replacefile.h"
#include "resultslist.h"
#include "saving.h"
#include "uitext.h"

namespace lineer::ui {

QString saveResultsAsked(ResultsModel& results, const QString& loadedPath, const QString& folder,
                         const AskSavePath& ask) {
    const QString stem = loadedPath.isEmpty() ? uiText(Text::ResultsFileName)
                                              : uiFormat(Text::ResultsFileNameOf, QFileInfo(loadedPath).completeBaseName());
    // Not *.txt, which the file list shows as coefficient files.
    const QString start = QDir(lastFolder(FolderKind::Results, folder)).filePath(stem + QStringLiteral(".log"));
    const QString path = ask(uiText(Text::SaveResultsTitle), start, uiText(Text::ResultsFilesFilter));
    if (path.isEmpty()) return {};
    results.flush();
    const QString failed = saveResults(results, path);
    if (!failed.isEmpty()) return failed;
    rememberFolder(FolderKind::Results, path);
    return {};
}

QString savePictureAsked(const PictureCanvas& canvas, const std::string& decimal, const QString& loadedPath,
                         const QString& folder, const AskSavePath& ask, const AskPictureSize& askSize) {
    const QString stem = loadedPath.isEmpty() ? uiText(Text::PictureFileName) : QFileInfo(loadedPath).completeBaseName();
    const QString start = QDir(lastFolder(FolderKind::Pictures, folder)).filePath(stem + QStringLiteral(".png"));
    const QString path = ask(uiText(Text::SavePictureTitle), start, uiText(Text::PictureFilesFilter));
    if (path.isEmpty()) return {};
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    // The box as it is, or larger with its scale and axes.
    const QSize box(PictureCanvas::kWidth, PictureCanvas::kHeight);
    const std::optional<QSize> size = askSize(box, svg);
    if (!size) return {};
    QString failed;
    if (*size == box && !svg) {
        failed = savePicture(canvas.image(), path);
    } else {
        failed = saveFile(pictureFile(canvas.record(), *size, svg, decimal), path);
    }
    if (!failed.isEmpty()) return failed;
    rememberFolder(FolderKind::Pictures, path);
    return {};
}

std::optional<QSize> choosePictureSize(QWidget* parent, QSize box, bool svg) {
    QStringList choices;
    const QList<int> factors{2, 3, 4, 6};
    for (int f : factors) choices << uiFormat(Text::PictureSizeChoice, f * box.width(), f * box.height());
    if (!svg) choices << uiFormat(Text::PictureSizeChoice, box.width(), box.height());
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, uiText(Text::SavePictureTitle), uiText(Text::PictureSizeQuestion),
                                                 choices, 0, false, &ok);
    if (!ok) return std::nullopt;
    const qsizetype at = choices.indexOf(chosen);
    return at >= 0 && at < factors.size() ? box * factors[at] : box;
}

}  // namespace lineer::ui
