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

#include "pickers.h"
#include "printing.h"
#include "saving.h"
#include "mainwindow.h"
#include "menus.h"
#include "viewmenu.h"
#include "picturebox.h"
#include "resultslist.h"

namespace lineer::ui {

namespace {

const char* const kTextFilter = "Metin dosyaları (*.txt);;Tüm dosyalar (*)";
const char* const kPngFilter = "PNG resimleri (*.png);;Tüm dosyalar (*)";

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
    addMenu(menuBar(), "Mn_Dosya", "Dosya",
            {
                {"Mn_YeniMatris", "Yeni matris...", QKeySequence(Qt::CTRL | Qt::Key_N), [this] { editMatrix(false); }},
                {"Mn_MatrisiDuzenle", "Matrisi düzenle...", QKeySequence(Qt::CTRL | Qt::Key_E),
                 [this] { editMatrix(true); }},
                {nullptr, nullptr, {}, {}},
                {"Mn_Ac", "Aç...", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openDialog(); }},
                {"Mn_SonuclariKaydet", "Sonuçları kaydet...", QKeySequence(Qt::CTRL | Qt::Key_S),
                 [this] { saveResultsDialog(); }},
                {"Mn_ResmiKaydet", "Resmi kaydet...", {}, [this] { savePictureDialog(); }},
                {"Mn_Yazdir", "Yazdır...", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printDialog(); }},
                {nullptr, nullptr, {}, {}},
                {"Mn_Cikis", "Çıkış", QKeySequence(Qt::CTRL | Qt::Key_Q),
                 [this] {
                     if (close() && about_) about_->close();
                 }},
            });
    steps_ = addViewMenu(menuBar());
    QAction* about = menuBar()->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("Mn_About"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

QString MainWindow::askPath(const QString& title, const QString& start, const QString& filter, bool save) {
    if (pathHook) return pathHook(title);
    return save ? QFileDialog::getSaveFileName(this, title, start, filter)
                : QFileDialog::getOpenFileName(this, title, start, filter);
}

void MainWindow::openDialog() {
    const QString path = askPath(QStringLiteral("Aç"), dir_->path(), QString::fromUtf8(kTextFilter), false);
    if (!path.isEmpty()) openFile(path);
}

void MainWindow::saveResultsDialog() {
    const QString stem = loadedPath_.isEmpty() ? QStringLiteral("sonuçlar") : QFileInfo(loadedPath_).completeBaseName() + QStringLiteral("-sonuç");
    const QString path = askPath(QStringLiteral("Sonuçları kaydet"), QDir(dir_->path()).filePath(stem + QStringLiteral(".txt")),
                                 QString::fromUtf8(kTextFilter), true);
    if (path.isEmpty()) return;
    list_->results()->flush();
    const QString failed = saveResults(*list_->results(), path);
    if (!failed.isEmpty()) message(failed.toStdString());
}

void MainWindow::savePictureDialog() {
    const QString stem = loadedPath_.isEmpty() ? QStringLiteral("resim") : QFileInfo(loadedPath_).completeBaseName();
    const QString path = askPath(QStringLiteral("Resmi kaydet"), QDir(dir_->path()).filePath(stem + QStringLiteral(".png")),
                                 QString::fromUtf8(kPngFilter), true);
    if (path.isEmpty()) return;
    const QString failed = savePicture(picture_->image(), path);
    if (!failed.isEmpty()) message(failed.toStdString());
}

QString MainWindow::printHeading() const {
    if (loadedPath_.isEmpty()) return kCaption;
    const QString name = QFileInfo(loadedPath_).fileName();
    return methodName_.isEmpty() ? name : name + QStringLiteral(" \u2014 ") + methodName_;
}

void MainWindow::printDialog() {
    QPrinter printer;
    printer.setDocName(printHeading());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Yazdır"));
    if (dialog.exec() != QDialog::Accepted) return;
    list_->results()->flush();
    if (printResults(*list_->results(), printHeading(), printer) == 0)
        message("Yazdırılamadı: yazıcı ya da dosya açılamadı.");
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
