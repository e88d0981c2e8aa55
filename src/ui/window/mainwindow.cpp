#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProxyStyle>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "aboutwindow.h"
#include "appicon.h"
#include "lastfolders.h"
#include "pickers.h"
#include "saving.h"
#include "fontfit.h"
#include "twips.h"
#include "formcontrols.h"
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

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

const QColor kRed(255, 0, 0);

// A short message would make the box narrower than its title, which the
// window manager then cuts: the box takes the width of the title in bold,
// with room for the title bar's buttons.
void fitTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 160;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

// The table gives some option buttons a height below the style's circle:
// every circle shrinks to fit the lowest button, instead of being cut off
// there.
class FittingIndicator : public QProxyStyle {
public:
    explicit FittingIndicator(int largest) : largest_(largest) {}
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        const int v = QProxyStyle::pixelMetric(m, o, w);
        if (m == PM_ExclusiveIndicatorHeight || m == PM_ExclusiveIndicatorWidth) return std::min(v, largest_);
        return v;
    }

private:
    int largest_;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), session_(*this, systemDecimalSymbol()) {
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

    picture_ = new PictureBox(form_);
    picture_->setObjectName(QStringLiteral("Picture1"));
    connect(picture_, &PictureBox::doubleClicked, this, [this] { showPictureWindow(); });
    place(picture_, 120, 2760, 3495, 3255);

    list_ = new ResultsView(form_);
    list_->setObjectName(QStringLiteral("List1"));
    place(list_, 120, 6120, 8175, 2205);
    form->setStretching(list_);

    hesapla_ = new QPushButton(form_);
    hesapla_->setObjectName(QStringLiteral("Command_Hesapla"));
    place(hesapla_, 3840, 4680, 1215, 375);

    frame2_ = new QGroupBox(form_);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    place(frame2_, 5160, 240, 3375, 5775);

    auto label = [this](const char* name, int left, int top, int width, int height) {
        auto* l = new QLabel(frame2_);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        place(l, left, top, width, height);
        return l;
    };

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
    label2_ = label("Label2", 240, 5040, 1935, 255);
    label1_ = label("Label1", 240, 5400, 1695, 255);
    headings_[2] = label("Label5", 240, 1560, 2775, 255);
    headings_[1] = label("Label4", 240, 840, 2535, 255);
    headings_[0] = label("Label3", 240, 120, 2655, 255);
    for (QLabel* h : headings_) setTextColour(h, kRed);

    listele_ = new QPushButton(form_);
    listele_->setObjectName(QStringLiteral("Command3"));
    place(listele_, 3840, 3000, 1215, 375);

    frame1_ = new QGroupBox(form_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    place(frame1_, 120, 120, 4815, 2535);

    dir_ = new DirectoryList(frame1_);
    dir_->setObjectName(QStringLiteral("Dir1"));
    place(dir_, 120, 600, 1935, 1665);
    file_ = new FileList(frame1_);
    file_->setObjectName(QStringLiteral("File1"));
    place(file_, 2040, 240, 2655, 2040);
    drive_ = new DriveList(frame1_);
    drive_->setObjectName(QStringLiteral("Drive1"));
    place(drive_, 120, 240, 1935, 315);

    goster_ = new QPushButton(form_);
    goster_->setObjectName(QStringLiteral("Command1"));
    place(goster_, 3840, 3840, 1215, 375);

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

    // The file controls start in the process's current folder.
    const QString start = QDir::currentPath();
    drive_->showDriveOf(start);
    dir_->setPath(start);
    file_->setPath(dir_->path());
    dirOfDrive_[DriveList::driveOf(start)] = dir_->path();

    connect(drive_, &DriveList::driveChanged, this, &MainWindow::onDriveChanged);
    connect(dir_, &DirectoryList::pathChanged, this, &MainWindow::onDirectoryChanged);
    connect(dir_, &DirectoryList::refused, this, [this](const QString& path) {
        message(format(Text::FolderNotOpened, QDir::toNativeSeparators(path).toStdString()));
    });
    connect(file_, &FileList::fileChosen, this, &MainWindow::onFileChosen);
    for (QRadioButton* b : options_)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on) onOptionSelected();
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
    setAcceptDrops(true);
}

void MainWindow::retranslate() {
    setWindowTitle(uiText(Text::WindowCaption));
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
    if (pictureWindow_) pictureWindow_->retranslate();
    chooseFonts();
}

void MainWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(e);
}

void MainWindow::chooseFonts() {
    // The captions were sized for a narrow 8-point font: take the largest
    // size at which every caption fits its box, in a condensed face where
    // one is installed, else in the default family.
    QList<QWidget*> captions;
    for (QWidget* w : form_->findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
            captions << w;
    auto apply = [this](const QFont& f) {
        form_->setFont(f);
        QFont heading = f;
        heading.setBold(true);
        heading.setUnderline(true);
        for (QLabel* h : headings_) h->setFont(heading);
    };
    auto largestFitting = [&](QFont f) {
        for (int px = 12; px > 8; --px) {
            f.setPixelSize(px);
            apply(f);
            if (std::all_of(captions.begin(), captions.end(), [](QWidget* w) { return textFits(w); })) return px;
        }
        return 8;
    };
    QList<QFont> faces;
    if (QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Condensed"))) {
        QFont condensed;
        condensed.setFamily(QStringLiteral("DejaVu Sans Condensed"));
        faces << condensed;
    }
    faces << QApplication::font();
    QFont best;
    int bestPx = 0;
    for (const QFont& face : faces) {
        const int px = largestFitting(face);
        if (px > bestPx) {
            bestPx = px;
            best = face;
        }
    }
    best.setPixelSize(bestPx);
    apply(best);
    widenBoxes();
    list_->setFont(monospaceFont(12));
    list_->results()->setFont(list_->font());
}

void MainWindow::widenBoxes() {
    // The two boxes take ten digits: they keep their top and height and
    // grow to the left, into the room their labels leave, up to a small
    // margin inside the frame.
    for (QLineEdit* box : {maxIter_, w_}) {
        const QFontMetrics fm(box->font());
        const int width = fm.horizontalAdvance(QStringLiteral("0000000000")) + 10;
        const int right = std::max(box->geometry().right(), frame2_->width() - 6);
        box->setGeometry(right - width + 1, box->y(), width, box->height());
    }
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
    if (session_.loadFile(path.toStdString())) {
        loadedPath_ = path;
        methodName_.clear();
    }
    loading_.clear();
    // The new listing from its first line and column.
    list_->flushAndShowFrom(0);
}

void MainWindow::reloadAndRun() {
    if (monitor_.running()) return;
    const QString path = file_->fileName().isEmpty() ? loadedPath_ : file_->filePath();
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
    editor->messageHook = messageHook;
    QString name;
    // Before any load there is nothing to edit: a new matrix then.
    if (fromLoaded && !loadedPath_.isEmpty()) {
        const Workspace& loaded = session_.asLoaded();
        std::vector<double> values;
        for (int i = 1; i <= loaded.n; ++i)
            for (int j = 1; j <= loaded.m; ++j) values.push_back(loaded.A(i, j));
        editor->setMatrix(loaded.n, loaded.m, values);
        editor->setTitle(Text::EditMatrixTitle);
        name = QFileInfo(loadedPath_).fileName();
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
    const std::size_t before = list_->results()->lineCount();
    const RunRequest run = request();
    const bool counted = run.option && methodRow(*run.option).usesMaxIter;
    monitor_.setLimit(counted ? run.params.maxIter : 0);
    // The printed heading names the method of the last run.
    if (session_.hesapla(run)) methodName_ = uiText(methodRow(*run.option).caption).trimmed();
    // The run's first line at the top, and its result in view.
    list_->flushAndShowRun(before);
}

void MainWindow::onKarsilastir() {
    if (monitor_.running()) return;
    BusyCursor busy;
    RunScope scope(*this);
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

void MainWindow::listAppend(std::string line) { list_->results()->append(std::move(line)); }
void MainWindow::listRow(std::string line) { list_->results()->appendRow(std::move(line)); }

void MainWindow::listClear() { list_->results()->clear(); }

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
    if (messageHook) {
        messageHook(t);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), t, QMessageBox::Ok, this);
    fitTitle(box);
    // No wait cursor over the box while the user reads it.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
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
