#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "aboutwindow.h"
#include "appicon.h"
#include "formbuild.h"
#include "lastfolders.h"
#include "pickers.h"
#include "saving.h"
#include "fontfit.h"
#include "twips.h"
#include "formcontrols.h"
#include "iterationdialog.h"
#include "optionlayout.h"
#include "matrixeditor.h"
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

const QColor kRed(255, 0, 0);

}  // namespace

MainWindow::MainWindow(UserDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs ? *dialogs : modal_), session_(*this, systemDecimalSymbol()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(appIcon());
    build();
    retranslate();

    // Before the window is first shown: the parameter rows are hidden.
    label2_->hide();
    maxIter_->hide();
    label1_->hide();
    w_->hide();

    goster_->setFocus();
    const QString decimal = QString::fromStdString(session_.context().decimal);
    monitor_.setDecimal(decimal);
    markReading(maxIter_, decimal, Reading::IterationLimit);
    markReading(w_, decimal);

    resize(sizeHint());
    rememberGeometry(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::build() {
    buildMenus();

    auto* form = new GrowingForm(QSize(twips(8760), twips(8595)), this);
    form_ = form;
    setCentralWidget(form_);

    picture_ = placed<PictureBox>(form_, "Picture1", 120, 2760, 3495, 3255);
    list_ = placed<ResultsView>(form_, "List1", 120, 6120, 8175, 2205);
    form->setStretching(list_);
    hesapla_ = placed<QPushButton>(form_, "Command_Hesapla", 3840, 4680, 1215, 375);
    buildMethodFrame();
    listele_ = placed<QPushButton>(form_, "Command3", 3840, 3000, 1215, 375);
    buildFileFrame();
    goster_ = placed<QPushButton>(form_, "Command1", 3840, 3840, 1215, 375);

    setKeyboardOrder();
    startInCurrentFolder();
    connectControls();
    setAcceptDrops(true);
}

void MainWindow::buildMethodFrame() {
    frame2_ = placed<QGroupBox>(form_, "Frame2", 5160, 240, 3375, 5775);
    auto* fitting = new FittingIndicator(twips(195) - 1);
    fitting->setParent(this);
    for (const OptionLayout& row : kOptionLayout) {
        auto* b = new QRadioButton(frame2_);
        b->setObjectName(QLatin1String(row.objectName));
        b->setStyle(fitting);
        place(b, row.place.left, row.place.top, row.place.width, row.place.height);
        if (row.colour) setTextColour(b, QColor(row.colour->r, row.colour->g, row.colour->b));
        options_[static_cast<std::size_t>(row.option)] = b;
    }
    maxIter_ = new QLineEdit(QStringLiteral("100"), frame2_);
    maxIter_->setObjectName(QStringLiteral("Text_MaxIter"));
    place(maxIter_, 2400, 5040, 495, 285);
    w_ = new QLineEdit(QStringLiteral("1"), frame2_);
    w_->setObjectName(QStringLiteral("Text_w"));
    place(w_, 2400, 5400, 495, 285);
    label2_ = placedLabel(frame2_, "Label2", 240, 5040, 1935, 255);
    label1_ = placedLabel(frame2_, "Label1", 240, 5400, 1695, 255);
    headings_[2] = placedLabel(frame2_, "Label5", 240, 1560, 2775, 255);
    headings_[1] = placedLabel(frame2_, "Label4", 240, 840, 2535, 255);
    headings_[0] = placedLabel(frame2_, "Label3", 240, 120, 2655, 255);
    for (QLabel* h : headings_) setTextColour(h, kRed);
}

void MainWindow::buildFileFrame() {
    frame1_ = placed<QGroupBox>(form_, "Frame1", 120, 120, 4815, 2535);
    dir_ = placed<DirectoryList>(frame1_, "Dir1", 120, 600, 1935, 1665);
    file_ = placed<FileList>(frame1_, "File1", 2040, 240, 2655, 2040);
    drive_ = placed<DriveList>(frame1_, "Drive1", 120, 240, 1935, 315);
}

void MainWindow::setKeyboardOrder() {
    // The keyboard order of the controls that take the focus: the options
    // and the two boxes in the order of their keys come between "Hesapla"
    // and the results list.
    QList<QWidget*> order{goster_, drive_, file_, dir_, listele_, hesapla_};
    std::vector<std::pair<int, QWidget*>> keyed{{kTabKeyW, w_}, {kTabKeyMaxIter, maxIter_}};
    for (const OptionLayout& row : kOptionLayout) keyed.emplace_back(row.tabKey, option(row.option));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& k : keyed) order << k.second;
    order << list_;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::startInCurrentFolder() {
    const QString start = QDir::currentPath();
    drive_->showDriveOf(start);
    dir_->setPath(start);
    file_->setPath(dir_->path());
    dirOfDrive_[DriveList::driveOf(start)] = dir_->path();
}

void MainWindow::connectControls() {
    connect(picture_, &PictureBox::doubleClicked, this, [this] { showPictureWindow(); });
    connect(drive_, &DriveList::driveChanged, this, &MainWindow::onDriveChanged);
    connect(dir_, &DirectoryList::pathChanged, this, &MainWindow::onDirectoryChanged);
    connect(dir_, &DirectoryList::refused, this, [this](const QString& path) {
        message(format(Text::FolderNotOpened, QDir::toNativeSeparators(path).toStdString()));
    });
    connect(file_, &FileList::fileChosen, this, &MainWindow::onFileChosen);
    for (QRadioButton* b : options_)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            textbook_.clear();
            showTitle();
            onOptionSelected();
        });
    connect(listele_, &QPushButton::clicked, this, &MainWindow::onListele);
    connect(goster_, &QPushButton::clicked, this, &MainWindow::onGoster);
    connect(hesapla_, &QPushButton::clicked, this, &MainWindow::onHesapla);
    for (QPushButton* b : {goster_, listele_, hesapla_}) pressOnEnter(b);
    // Enter in a parameter box presses "Hesapla", as in a dialog.
    for (QLineEdit* box : {maxIter_, w_}) connect(box, &QLineEdit::returnPressed, hesapla_, &QPushButton::animateClick);

    auto* refresh = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(refresh, &QShortcut::activated, this, [this] {
        dir_->refresh();
        file_->refresh();
    });
}

void MainWindow::retranslate() {
    showTitle();
    hesapla_->setText(uiText(Text::CalculateButton));
    listele_->setText(uiText(Text::ListButton));
    goster_->setText(uiText(Text::ShowButton));
    label2_->setText(uiText(Text::MaxIterLabel));
    label1_->setText(uiText(Text::RelaxationLabel));
    headings_[0]->setText(uiText(Text::DeterminantGroup));
    headings_[1]->setText(uiText(Text::InverseGroup));
    headings_[2]->setText(uiText(Text::LinearSystemGroup));
    for (const OptionLayout& row : kOptionLayout) option(row.option)->setText(uiText(methodRow(row.option).caption));
    menus_.setTexts();
    textbook_.setTexts();
    if (pictureWindow_) pictureWindow_->retranslate();
    chooseFormFont(form_, headings_);
    widenBoxes({maxIter_, w_}, frame2_);
    list_->setFont(monospaceFont(12));
    list_->results()->setFont(list_->font());
}

void MainWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(e);
}

void MainWindow::setParameterRows(bool maxIterShown, bool wShown) {
    label2_->setVisible(maxIterShown);
    maxIter_->setVisible(maxIterShown);
    label1_->setVisible(wShown);
    w_->setVisible(wShown);
}

void MainWindow::onDriveChanged() {
    if (monitor_.running()) {
        driveWaits_ = true;
        return;
    }
    const QString root = drive_->drive();
    QString target = dirOfDrive_.value(root, root);
    if (!dir_->setPath(target) && !dir_->setPath(root)) {
        // The drive is not ready: the list goes back to the folder's drive.
        drive_->showDriveOf(dir_->path());
        message(format(Text::DriveNotReady, QDir::toNativeSeparators(root).toStdString()));
    }
    picture_->clear();
}

void MainWindow::onDirectoryChanged() {
    if (monitor_.running()) {
        folderWaits_ = true;
        return;
    }
    file_->setPath(dir_->path());
    // A folder on another file system shows that one in the drive list.
    drive_->showDriveOf(dir_->path());
    dirOfDrive_[DriveList::driveOf(dir_->path())] = dir_->path();
    picture_->clear();
}

void MainWindow::onFileChosen() {
    if (monitor_.running() || file_->fileName().isEmpty()) return;
    loadPath(file_->filePath());
}

void MainWindow::loadPath(const QString& path) {
    BusyCursor busy;
    loading_ = path;
    session_.loadFile(path.toStdString());
    loading_.clear();
    // The new listing from its first line and column.
    list_->flushAndShowFrom(0);
}

QString MainWindow::loadedPath() const { return QString::fromStdString(session_.loadedPath()); }

void MainWindow::reloadAndRun() {
    if (monitor_.running()) return;
    const QString path = file_->fileName().isEmpty() ? loadedPath() : file_->filePath();
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
    editor->setSaveTarget(name.isEmpty() ? lastFolder(FolderKind::Coefficients, file_->path()) : file_->path(), name);
    connect(editor, &MatrixEditor::saved, this, [this](const QString& path) {
        rememberFolder(FolderKind::Coefficients, path);
        openFile(path);
    });
    // The window's own keys work again at once, without a click.
    connect(editor, &QDialog::finished, this, [this] {
        activateWindow();
        if (!focusWidget()) file_->setFocus();
    });
    editor->setModal(true);
    editor->show();
    return editor;
}

void MainWindow::showInPickers(const QString& path) {
    const QFileInfo file(path);
    // Moving the folder list brings the drive and the file list along.
    if (!dir_->setPath(file.absolutePath())) return;
    file_->refresh();
    // A file not named *.txt is loaded but not listed: nothing is chosen.
    file_->choose(file.fileName());
}

void MainWindow::openFile(const QString& path) {
    if (monitor_.running()) return;
    showInPickers(path);
    loadPath(QFileInfo(path).absoluteFilePath());
}

void MainWindow::onOptionSelected() {
    const std::optional<Option> selected = request().option;
    if (selected)
        setParameterRows(methodRow(*selected).usesMaxIter, methodRow(*selected).usesW);
    else
        setParameterRows(false, false);
}

void MainWindow::onListele() {
    if (monitor_.running()) return;
    BusyCursor busy;
    const std::size_t before = list_->results()->lineCount();
    session_.listeleButton();
    list_->flushAndShowFrom(before);
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
    list_->clearRemarks();
    const std::size_t before = list_->results()->lineCount();
    const RunRequest run = request();
    const bool counted = run.option && methodRow(*run.option).usesMaxIter;
    monitor_.setLimit(counted ? run.params.maxIter : 0);
    session_.hesapla(run);
    // The run's first line at the top, and its result in view.
    list_->flushAndShowRun(before);
}

void MainWindow::onKarsilastir() {
    if (monitor_.running()) return;
    BusyCursor busy;
    RunScope scope(*this);
    list_->clearRemarks();
    const std::size_t before = list_->results()->lineCount();
    const RunRequest run = request();
    monitor_.setLimit(run.params.maxIter);
    session_.compare(run);
    list_->flushAndShowRun(before);
}

void MainWindow::runBegins() {
    monitor_.begin();
    dir_->hold(true);
    file_->hold(true);
}

void MainWindow::runEnded() {
    monitor_.end();
    dir_->hold(false);
    file_->hold(false);
    if (std::exchange(driveWaits_, false)) onDriveChanged();
    if (std::exchange(folderWaits_, false)) onDirectoryChanged();
}

AboutWindow* MainWindow::aboutWindow() const { return about_; }

void MainWindow::showAbout() {
    if (!about_) about_ = new AboutWindow;
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::listAppend(ResultLine line) { list_->results()->append(std::move(line)); }

void MainWindow::listClear() {
    list_->results()->clear();
    list_->clearRemarks();
}

void MainWindow::remark(const std::string& text) { list_->addRemark(QString::fromStdString(text)); }

PictureSurface& MainWindow::picture() { return *picture_; }

void MainWindow::message(const std::string& text) {
    QString t = QString::fromStdString(text);
    // A results list saved as *.txt shows in the file list; the window says
    // what the loader cannot know.
    if (!loading_.isEmpty() && looksLikeSavedResults(loading_)) t += QLatin1Char('\n') + uiText(Text::LooksLikeResultsNote);
    // The box takes the progress window's place for the rest of the run.
    monitor_.stop();
    // What the method wrote so far shows behind the box.
    list_->results()->flush();
    dialogs_.message(this, t);
}

std::string MainWindow::textMaxIter() const { return maxIter_->text().toStdString(); }

std::string MainWindow::textW() const { return w_->text().toStdString(); }

bool MainWindow::optionSelected(Option o) const { return options_[static_cast<std::size_t>(o)]->isChecked(); }

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
