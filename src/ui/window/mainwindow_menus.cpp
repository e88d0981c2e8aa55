// The window's "Dosya" menu and the other ways a file comes in: a dropped
// file and the command line's "--open FILE".

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

#include "lastfolders.h"
#include "pickers.h"
#include "printing.h"
#include "saving.h"
#include "mainwindow.h"
#include "languagemenu.h"
#include "menus.h"
#include "viewmenu.h"
#include "picturebox.h"
#include "resultslist.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

// The local files of a drag, in order.
QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& u : data->urls())
        if (u.isLocalFile() && QFileInfo(u.toLocalFile()).isFile()) files << u.toLocalFile();
    return files;
}

}  // namespace

void MainWindow::buildMenus() {
    menus_.addMenu(
        menuBar(), "Mn_Dosya", Text::FileMenu,
        {
            {"Mn_YeniMatris", Text::NewMatrixItem, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { editMatrix(false); }},
            {"Mn_MatrisiDuzenle", Text::EditMatrixItem, QKeySequence(Qt::CTRL | Qt::Key_E),
             [this] { editMatrix(true); }},
            {"Mn_Ac", Text::OpenItem, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openDialog(); }, true},
            {"Mn_YenidenHesapla", Text::ReloadRunItem, QKeySequence(Qt::Key_F9), [this] { reloadAndRun(); }},
            {"Mn_SonuclariKaydet", Text::SaveResultsItem, QKeySequence(Qt::CTRL | Qt::Key_S),
             [this] { saveResultsDialog(); }, true},
            {"Mn_ResmiKaydet", Text::SavePictureItem, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
             [this] { savePictureDialog(); }},
            {"Mn_Yazdir", Text::PrintItem, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printDialog(); }},
            {"Mn_Cikis", Text::QuitItem, QKeySequence(Qt::CTRL | Qt::Key_Q),
             [this] {
                 if (close() && about_) about_->close();
             },
             true},
        });
    view_ = addViewMenu(menus_, menuBar(), [this] { onKarsilastir(); });
    addLanguageMenu(menus_, menuBar());
    QAction* about = menuBar()->addAction(QString());
    about->setObjectName(QStringLiteral("Mn_About"));
    menus_.add(about, Text::AboutItem);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    // F10 opens the first menu, as in other desktop programs.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

QString MainWindow::askPath(const QString& title, const QString& start, const QString& filter, bool save) {
    if (pathHook) return pathHook(title, start);
    return save ? QFileDialog::getSaveFileName(this, title, start, filter)
                : QFileDialog::getOpenFileName(this, title, start, filter);
}

void MainWindow::openDialog() {
    const QString path = askPath(uiText(Text::OpenTitle), lastFolder(FolderKind::Coefficients, dir_->path()),
                                 uiText(Text::TextFilesFilter), false);
    if (path.isEmpty()) return;
    rememberFolder(FolderKind::Coefficients, path);
    openFile(path);
}

void MainWindow::saveResultsDialog() {
    const QString stem = loadedPath_.isEmpty() ? uiText(Text::ResultsFileName)
                                               : uiFormat(Text::ResultsFileNameOf, QFileInfo(loadedPath_).completeBaseName());
    // Not *.txt, which the file list shows as coefficient files.
    const QString start = QDir(lastFolder(FolderKind::Results, dir_->path())).filePath(stem + QStringLiteral(".log"));
    const QString path = askPath(uiText(Text::SaveResultsTitle), start, uiText(Text::ResultsFilesFilter), true);
    if (path.isEmpty()) return;
    list_->results()->flush();
    const QString failed = saveResults(*list_->results(), path);
    if (!failed.isEmpty()) {
        message(failed.toStdString());
        return;
    }
    rememberFolder(FolderKind::Results, path);
}

void MainWindow::savePictureDialog() {
    const QString stem = loadedPath_.isEmpty() ? uiText(Text::PictureFileName) : QFileInfo(loadedPath_).completeBaseName();
    const QString start = QDir(lastFolder(FolderKind::Pictures, dir_->path())).filePath(stem + QStringLiteral(".png"));
    const QString path = askPath(uiText(Text::SavePictureTitle), start, uiText(Text::PngFilesFilter), true);
    if (path.isEmpty()) return;
    const QString failed = savePicture(picture_->image(), path);
    if (!failed.isEmpty()) {
        message(failed.toStdString());
        return;
    }
    rememberFolder(FolderKind::Pictures, path);
}

QString MainWindow::printHeading() const {
    if (loadedPath_.isEmpty()) return uiText(Text::WindowCaption);
    const QString name = QFileInfo(loadedPath_).fileName();
    return methodName_.isEmpty() ? name : uiFormat(Text::PrintHeading, name, methodName_);
}

void MainWindow::printDialog() {
    QPrinter printer;
    printer.setDocName(printHeading());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(uiText(Text::PrintTitle));
    if (dialog.exec() != QDialog::Accepted) return;
    list_->results()->flush();
    if (printResults(*list_->results(), printHeading(), printer) == 0)
        message(std::string(text(Text::PrintFailed)));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (!monitor_.running() && !localFiles(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    const QStringList files = localFiles(e->mimeData());
    if (files.isEmpty()) return;
    e->acceptProposedAction();
    openFile(files.first());
}

}  // namespace lineer::ui
