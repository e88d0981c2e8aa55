// The window's "Dosya" menu and the other ways a file comes in: a dropped
// file and the command line's "--open FILE".

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

#include "lastfolders.h"
#include "pickers.h"
#include "export.h"
#include "pages.h"
#include "printing.h"
#include "replacefile.h"
#include "saving.h"
#include "mainwindow.h"
#include "languagemenu.h"
#include "menus.h"
#include "viewmenu.h"
#include "picturebox.h"
#include "picturewindow.h"
#include "resultslist.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

// More pages than this are printed only when the user says so.
constexpr int kAskAbovePages = 50;

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
            {"Mn_ResmiBuyut", Text::PictureWindowItem, {}, [this] { showPictureWindow(); }},
            {"Mn_Yazdir", Text::PrintItem, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printDialog(); }},
            {"Mn_DisaAktar", Text::ExportItem, {}, [this] { exportDialog(); }},
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
    const QString path = askPath(uiText(Text::SavePictureTitle), start, uiText(Text::PictureFilesFilter), true);
    if (path.isEmpty()) return;
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    // The box as it is, or larger with its scale and axes.
    const QSize box(PictureCanvas::kWidth, PictureCanvas::kHeight);
    QSize size = box;
    if (pictureSizeHook) {
        size = pictureSizeHook(svg);
    } else if (!pathHook) {
        QStringList choices;
        const QList<int> factors{2, 3, 4, 6};
        for (int f : factors) choices << uiFormat(Text::PictureSizeChoice, f * box.width(), f * box.height());
        if (!svg) choices << uiFormat(Text::PictureSizeChoice, box.width(), box.height());
        bool ok = false;
        const QString chosen = QInputDialog::getItem(this, uiText(Text::SavePictureTitle), uiText(Text::PictureSizeQuestion),
                                                     choices, 0, false, &ok);
        if (!ok) return;
        const qsizetype at = choices.indexOf(chosen);
        size = at >= 0 && at < factors.size() ? box * factors[at] : box;
    } else if (svg) {
        size = box * 2;
    }
    QString failed;
    if (size == box && !svg) {
        failed = savePicture(picture_->image(), path);
    } else {
        const QByteArray bytes = pictureFile(picture_->canvas().record(), size, svg, session_.context().decimal);
        const std::string why =
            bytes.isEmpty() ? std::string(text(Text::WhyNotEncoded))
                            : replaceFileContents(path.toStdString(),
                                                  std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (!why.empty()) failed = uiFormat(Text::SaveFailed, path, why);
    }
    if (!failed.isEmpty()) {
        message(failed.toStdString());
        return;
    }
    rememberFolder(FolderKind::Pictures, path);
}

PictureWindow* MainWindow::showPictureWindow() {
    if (!pictureWindow_) {
        pictureWindow_ = new PictureWindow(*picture_, session_.context().decimal, this);
        pictureWindow_->resize(pictureWindow_->sizeHint());
    }
    pictureWindow_->show();
    pictureWindow_->raise();
    pictureWindow_->activateWindow();
    return pictureWindow_;
}

QString MainWindow::printHeading() const { return handoutHeading(loadedPath_, methodName_); }

Handout MainWindow::handout() const {
    list_->results()->flush();
    return handoutOf(*list_->results(), printHeading(), &picture_->canvas().record(), session_.context().decimal);
}

void MainWindow::printDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(handoutPageLayout());
    printer.setDocName(printHeading());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(uiText(Text::PrintTitle));
    if (dialog.exec() != QDialog::Accepted) return;
    printTo(printer);
}

void MainWindow::printTo(QPrinter& printer) {
    useHandoutMargins(printer);
    const Handout h = handout();
    const int pages = countPages(printer, h);
    if (pages > kAskAbovePages) {
        const QString question = uiFormat(Text::PrintManyPages, pages);
        if (questionHook) {
            if (!questionHook(question)) return;
        } else {
            QMessageBox box(QMessageBox::Question, uiText(Text::WindowCaption), question, QMessageBox::Cancel, this);
            QPushButton* print = box.addButton(uiText(Text::PrintManyPagesButton), QMessageBox::AcceptRole);
            box.setDefaultButton(print);
            box.exec();
            if (box.clickedButton() != print) return;
        }
    }
    QString why;
    if (printHandout(h, printer, &why) == 0)
        message(why.isEmpty() ? std::string(text(Text::PrintFailed))
                              : format(Text::SaveFailed, printer.outputFileName().toStdString(), why.toStdString()));
}

void MainWindow::exportDialog() {
    const QString stem = loadedPath_.isEmpty() ? uiText(Text::ResultsFileName) : QFileInfo(loadedPath_).completeBaseName();
    const QString path = askPath(uiText(Text::ExportTitle), QDir(dir_->path()).filePath(stem + QStringLiteral(".tex")),
                                 uiText(Text::ExportFilter), true);
    if (!path.isEmpty()) exportTo(path);
}

void MainWindow::exportTo(const QString& path) {
    const ExportKind kind = exportKind(path);
    if (kind == ExportKind::None) {
        message(std::string(text(Text::ExportUnknownType)));
        return;
    }
    const QByteArray bytes = exportDocument(handout(), kind);
    const std::string why =
        bytes.isEmpty() ? std::string(text(Text::WhyNotEncoded))
                        : replaceFileContents(path.toStdString(),
                                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!why.empty()) message(format(Text::ExportFailed, path.toStdString(), why));
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
