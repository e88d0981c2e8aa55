// The window's "Dosya" menu and the other ways a file comes in: a dropped
// file and the command line's "--open FILE".

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QRadioButton>
#include <QShortcut>

#include <functional>

#include "exercisedialog.h"
#include "handoutdialogs.h"
#include "iterationdialog.h"
#include "lastfolders.h"
#include "pickers.h"
#include "printing.h"
#include "savedialogs.h"
#include "mainwindow.h"
#include "languagemenu.h"
#include "stepview.h"
#include "menus.h"
#include "plotmenu.h"
#include "viewmenu.h"
#include "picturebox.h"
#include "picturewindow.h"
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
            {"Mn_ResmiBuyut", Text::PictureWindowItem, {}, [this] { showPictureWindow(); }},
            {"Mn_Yazdir", Text::PrintItem, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { handouts_->printDialog(); }},
            {"Mn_DisaAktar", Text::ExportItem, {}, [this] { handouts_->exportDialog(); }},
            {"Mn_Cikis", Text::QuitItem, QKeySequence(Qt::CTRL | Qt::Key_Q),
             [this] {
                 if (close() && about_) about_->close();
             },
             true},
        });
    view_ = addViewMenu(menus_, menuBar(), [this] { onKarsilastir(); });
    addStepView(view_.menu, session_, session_.context().decimal, this);
    textbook_.build(menus_, view_.menu,
                    {[this] { onTextbookChosen(); }, [this] { iterationDialog(); }, [this] { exerciseDialog(); }});
    addPlotMenu(menus_, view_.menu, [this](plots::Kind kind) { showPictureWindow()->showPlot(kind); });
    addLanguageMenu(menus_, menuBar());
    QAction* about = menuBar()->addAction(QString());
    about->setObjectName(QStringLiteral("Mn_About"));
    menus_.add(about, Text::AboutItem);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    // F10 opens the first menu, as in other desktop programs.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

QString MainWindow::askSavePath(const QString& title, const QString& start, const QString& filter) {
    return dialogs_.path(this, title, start, filter, true);
}

void MainWindow::openDialog() {
    const QString path = dialogs_.path(this, uiText(Text::OpenTitle), lastFolder(FolderKind::Coefficients, f_.dir->path()),
                                       uiText(Text::TextFilesFilter), false);
    if (path.isEmpty()) return;
    rememberFolder(FolderKind::Coefficients, path);
    openFile(path);
}

void MainWindow::saveResultsDialog() {
    const QString failed = saveResultsAsked(*f_.list->results(), loadedPath(), f_.dir->path(),
                                            std::bind_front(&MainWindow::askSavePath, this));
    if (!failed.isEmpty()) message(failed.toStdString());
}

void MainWindow::savePictureDialog() {
    const QString failed = savePictureAsked(
        f_.picture->canvas(), session_.context().decimal, loadedPath(), f_.dir->path(),
        std::bind_front(&MainWindow::askSavePath, this),
        [this](QSize box, bool svg) { return dialogs_.pictureSize(this, box, svg); });
    if (!failed.isEmpty()) message(failed.toStdString());
}

PictureWindow* MainWindow::showPictureWindow() {
    if (!pictureWindow_) {
        pictureWindow_ = new PictureWindow(*f_.picture, session_.context().decimal, this);
        pictureWindow_->setPlotSource(plotSource(*this));
        pictureWindow_->resize(pictureWindow_->sizeHint());
    }
    pictureWindow_->show();
    pictureWindow_->raise();
    pictureWindow_->activateWindow();
    return pictureWindow_;
}

void MainWindow::onTextbookChosen() {
    for (QRadioButton* b : f_.options) {
        if (!b->isChecked()) continue;
        // An option button of the group cannot be cleared while it is
        // exclusive.
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    showTitle();
    onOptionSelected();
}

void MainWindow::showTitle() {
    // The form shows no button for it, so the caption says which is chosen.
    const std::optional<Option> chosen = textbook_.selected();
    setWindowTitle(chosen ? uiFormat(Text::WindowCaptionWithMethod, uiText(Text::WindowCaption),
                                     uiText(methodRow(*chosen).caption))
                          : uiText(Text::WindowCaption));
}

IterationDialog* MainWindow::iterationDialog() {
    auto* d = new IterationDialog(
        session_.context().decimal, [this](const QString& text) { dialogs_.message(this, text); }, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->open();
    return d;
}

ExerciseDialog* MainWindow::exerciseDialog() {
    if (monitor_.running()) return nullptr;
    auto* d = new ExerciseDialog(
        f_.dir->path(), session_.context().decimal, [this](const QString& q) { return dialogs_.question(this, q); },
        [this](const QString& text) { dialogs_.message(this, text); }, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QDialog::accepted, this, [this, d] { openFile(d->exercisePath()); });
    d->open();
    return d;
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
