#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <functional>
#include <optional>
#include <vector>

#include "aboutwindow.h"
#include "appicon.h"
#include "filechoice.h"
#include "formcontrols.h"
#include "iterationdialog.h"
#include "lastfolders.h"
#include "optionlayout.h"
#include "matrixeditor.h"
#include "pickers.h"
#include "saving.h"
#include "picturebox.h"
#include "picturewindow.h"
#include "resultslist.h"
#include "textnum.h"
#include "toolkit.h"
#include "uitext.h"
#include "windowgeometry.h"

namespace lineer::ui {

namespace {

// The wait cursor for as long as a handler works.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

MainWindow::MainWindow(UserDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs ? *dialogs : modal_), session_(*this, systemDecimalSymbol()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(appIcon());
    build();
    retranslate();

    // Before the window is first shown: the parameter rows are hidden.
    f_.setParameterRows(false, false);

    f_.goster->setFocus();
    const QString decimal = QString::fromStdString(session_.context().decimal);
    monitor_.setDecimal(decimal);
    markReading(f_.maxIter, decimal, Reading::IterationLimit);
    markReading(f_.w, decimal);

    resize(sizeHint());
    rememberGeometry(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::build() {
    buildMenus();
    f_.build(this);
    files_ = new FileChoice(
        f_.drive, f_.dir, f_.file, [this](const std::string& text) { message(text); }, [this] { f_.picture->clear(); },
        this);
    files_->startInCurrentFolder();
    handouts_ = std::make_unique<HandoutCommands>(
        this, *f_.list, f_.picture->canvas(), session_, [this] { return f_.dir->path(); },
        HandoutCommands::Asks{std::bind_front(&MainWindow::askSavePath, this),
                              [this](const QString& q) { return dialogs_.question(this, q); },
                              [this](const std::string& text) { message(text); }});
    connectControls();
    setAcceptDrops(true);
}

void MainWindow::connectControls() {
    connect(f_.picture, &PictureBox::doubleClicked, this, [this] { showPictureWindow(); });
    connect(f_.file, &FileList::fileChosen, this, &MainWindow::onFileChosen);
    for (QRadioButton* b : f_.options)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            textbook_.clear();
            showTitle();
            onOptionSelected();
        });
    connect(f_.listele, &QPushButton::clicked, this, &MainWindow::onListele);
    connect(f_.goster, &QPushButton::clicked, this, &MainWindow::onGoster);
    connect(f_.hesapla, &QPushButton::clicked, this, &MainWindow::onHesapla);
    for (QPushButton* b : {f_.goster, f_.listele, f_.hesapla}) pressOnEnter(b);
    // Enter in a parameter box presses "Hesapla", as in a dialog.
    for (QLineEdit* box : {f_.maxIter, f_.w}) connect(box, &QLineEdit::returnPressed, f_.hesapla, &QPushButton::animateClick);

    auto* refresh = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(refresh, &QShortcut::activated, this, [this] {
        f_.dir->refresh();
        f_.file->refresh();
    });
}

void MainWindow::retranslate() {
    showTitle();
    menus_.setTexts();
    textbook_.setTexts();
    if (pictureWindow_) pictureWindow_->retranslate();
    f_.setTexts();
}

void MainWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(e);
}

void MainWindow::onFileChosen() {
    if (monitor_.running() || f_.file->fileName().isEmpty()) return;
    loadPath(f_.file->filePath());
}

void MainWindow::loadPath(const QString& path) {
    BusyCursor busy;
    loading_ = path;
    session_.loadFile(path.toStdString());
    loading_.clear();
    // The new listing from its first line and column.
    f_.list->flushAndShowFrom(0);
}

QString MainWindow::loadedPath() const { return QString::fromStdString(session_.loadedPath()); }

void MainWindow::reloadAndRun() {
    if (monitor_.running()) return;
    const QString path = f_.file->fileName().isEmpty() ? loadedPath() : f_.file->filePath();
    // Nothing to load: "Hesapla" says what is missing. A failed load has
    // said why, and "Hesapla" would only ask for a file again.
    if (!path.isEmpty()) {
        loadPath(path);
        if (!session_.loaded()) return;
    }
    onHesapla();
}

MatrixEditor* MainWindow::editMatrix(bool fromLoaded) {
    if (monitor_.running()) return nullptr;
    auto* editor = new MatrixEditor(QString::fromStdString(session_.context().decimal), this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    dialogs_.editorOpened(*editor);
    QString name;
    // Before any load there is nothing to edit: a new matrix then.
    if (fromLoaded && !loadedPath().isEmpty()) {
        const Workspace& loaded = session_.asLoaded();
        std::vector<double> values;
        for (int i = 1; i <= loaded.n; ++i)
            for (int j = 1; j <= loaded.m; ++j) values.push_back(loaded.A(i, j));
        editor->setMatrix(loaded.n, loaded.m, values);
        editor->setTitle(Text::EditMatrixTitle);
        name = QFileInfo(loadedPath()).fileName();
    }
    // An edited file is proposed where it was; a new one where the last
    // coefficient file was chosen.
    editor->setSaveTarget(name.isEmpty() ? lastFolder(FolderKind::Coefficients, f_.file->path()) : f_.file->path(), name);
    connect(editor, &MatrixEditor::saved, this, [this](const QString& path) {
        rememberFolder(FolderKind::Coefficients, path);
        openFile(path);
    });
    // The window's own keys work again at once, without a click.
    connect(editor, &QDialog::finished, this, [this] {
        activateWindow();
        if (!focusWidget()) f_.file->setFocus();
    });
    editor->setModal(true);
    editor->show();
    return editor;
}

void MainWindow::openFile(const QString& path) {
    if (monitor_.running()) return;
    files_->showFile(path);
    loadPath(QFileInfo(path).absoluteFilePath());
}

void MainWindow::onOptionSelected() {
    const std::optional<Option> selected = request().option;
    if (selected)
        f_.setParameterRows(methodRow(*selected).usesMaxIter, methodRow(*selected).usesW);
    else
        f_.setParameterRows(false, false);
}

void MainWindow::onListele() {
    if (monitor_.running()) return;
    BusyCursor busy;
    const std::size_t before = f_.list->results()->lineCount();
    session_.listeleButton();
    f_.list->flushAndShowFrom(before);
}

void MainWindow::onGoster() {
    if (monitor_.running()) return;
    session_.resimle();
}

struct MainWindow::RunScope {
    MainWindow& w;
    explicit RunScope(MainWindow& window) : w(window) { w.runBegins(); }
    ~RunScope() { w.runEnded(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;
};

void MainWindow::onHesapla() {
    // The progress window blocks this window while a method runs; nothing
    // here may start a second run inside the first.
    if (monitor_.running()) return;
    BusyCursor busy;
    RunScope scope(*this);
    f_.list->clearRemarks();
    const std::size_t before = f_.list->results()->lineCount();
    const RunRequest run = request();
    const bool counted = run.option && methodRow(*run.option).usesMaxIter;
    monitor_.setLimit(counted ? run.params.maxIter : 0);
    session_.hesapla(run);
    // The run's first line at the top, and its result in view.
    f_.list->flushAndShowRun(before);
}

void MainWindow::onKarsilastir() {
    if (monitor_.running()) return;
    BusyCursor busy;
    RunScope scope(*this);
    f_.list->clearRemarks();
    const std::size_t before = f_.list->results()->lineCount();
    const RunRequest run = request();
    monitor_.setLimit(run.params.maxIter);
    session_.compare(run);
    f_.list->flushAndShowRun(before);
}

void MainWindow::runBegins() {
    monitor_.begin();
    files_->hold(true);
}

void MainWindow::runEnded() {
    monitor_.end();
    files_->hold(false);
}

AboutWindow* MainWindow::aboutWindow() const { return about_; }

void MainWindow::showAbout() {
    if (!about_) about_ = new AboutWindow;
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::listAppend(ResultLine line) { f_.list->results()->append(std::move(line)); }

void MainWindow::listClear() {
    f_.list->results()->clear();
    f_.list->clearRemarks();
}

void MainWindow::remark(const std::string& text) { f_.list->addRemark(QString::fromStdString(text)); }

PictureSurface& MainWindow::picture() { return *f_.picture; }

void MainWindow::message(const std::string& text) {
    QString t = QString::fromStdString(text);
    // A results list saved as *.txt shows in the file list; the window says
    // what the loader cannot know.
    if (!loading_.isEmpty() && looksLikeSavedResults(loading_)) t += QLatin1Char('\n') + uiText(Text::LooksLikeResultsNote);
    // The box takes the progress window's place for the rest of the run.
    monitor_.stop();
    // What the method wrote so far shows behind the box.
    f_.list->results()->flush();
    dialogs_.message(this, t);
}

std::string MainWindow::textMaxIter() const { return f_.maxIter->text().toStdString(); }

std::string MainWindow::textW() const { return f_.w->text().toStdString(); }

bool MainWindow::optionSelected(Option o) const { return f_.options[static_cast<std::size_t>(o)]->isChecked(); }

RunRequest MainWindow::request() const {
    RunRequest r;
    for (const OptionLayout& row : kOptionLayout)
        if (optionSelected(row.option)) {
            r.option = row.option;
            break;
        }
    if (!r.option) r.option = textbook_.selected();
    // Settings edited into something unreadable count as none.
    readIterationTexts(rememberedIterationTexts(), session_.context().decimal, r.params);
    r.params.maxIterText = textMaxIter();
    r.params.wText = textW();
    r.params.steps = view_.steps->isChecked();
    r.params.analysis = view_.analysis->isChecked();
    readBoxes(r.params, session_.context().decimal);
    return r;
}

bool MainWindow::keepIterating(std::int64_t sweeps, double maxChange) {
    return monitor_.keepIterating(sweeps, maxChange);
}

}  // namespace lineer::ui
