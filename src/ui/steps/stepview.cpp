#include "stepview.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

#include "languages.h"
#include "uitext.h"

namespace lineer::ui {

namespace {
const QString kOpenKey = QStringLiteral("adimAdim/acik");
const QString kGeometryKey = QStringLiteral("adimAdim/konum");
QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::size_t languageIndex() {
    for (std::size_t i = 0; i < std::size(kLanguages); ++i)
        if (kLanguages[i].language == language()) return i;
    return 0;
}
}  // namespace

// One grid of one step, painted: the column headings above, the row
// numbers at the left, the multipliers at the right.
class StepGridPane : public QWidget {
public:
    explicit StepGridPane(QWidget* parent) : QWidget(parent) {}

    void show(const StepGrid& grid, const GridCells& cells, const RecordedStep& step, int index) {
        grid_ = &grid;
        cells_ = &cells;
        step_ = &step;
        index_ = index;
        changed_.assign(static_cast<std::size_t>(grid.rows + 1), false);
        multiplier_.assign(static_cast<std::size_t>(grid.rows + 1), QString());
        // The start tints nothing: every row is in it.
        if (&step != first_)
            for (const RecordedStep::RowChange& c : step.changes)
                if (c.grid == index) changed_[static_cast<std::size_t>(c.row)] = true;
        multipliers_ = step.grid == index && !step.multipliers.empty();
        if (multipliers_)
            for (std::size_t r = 0; r < step.rows.size() && r < step.multipliers.size(); ++r)
                multiplier_[static_cast<std::size_t>(step.rows[r])] = qs(step.multipliers[r]);
        const QFontMetrics fm(font());
        cellWidth_ = fm.horizontalAdvance(QStringLiteral("-0000.0000"));
        for (const std::string& s : cells.cells) cellWidth_ = std::max(cellWidth_, fm.horizontalAdvance(qs(s)));
        cellWidth_ += 2 * kPad;
        labelWidth_ = fm.horizontalAdvance(QString::number(grid.rows)) + 2 * kPad;
        rowHeight_ = fm.height() + 2 * kPad;
        multiplierWidth_ =
            multipliers_ ? std::max(cellWidth_, fm.horizontalAdvance(uiText(Text::StepViewMultiplier)) + 2 * kPad) : 0;
        setFixedSize(sizeHint());
        update();
    }
    void setFirst(const RecordedStep* first) { first_ = first; }
    QSize sizeHint() const override {
        if (!grid_) return {0, 0};
        const int gap = multipliers_ ? kGap : 0;
        return {labelWidth_ + grid_->cols * cellWidth_ + gap + multiplierWidth_ + 2, (grid_->rows + 1) * rowHeight_ + 2};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!grid_) return;
        QPainter p(this);
        const QPalette& pal = palette();
        const int top = rowHeight_;
        const int left = labelWidth_;
        const QColor tint(255, 236, 179);   // the rows the step changed
        const QColor outside(236, 236, 236);  // not yet part of the result
        const int extent = step_->extents.size() > static_cast<std::size_t>(index_)
                               ? step_->extents[static_cast<std::size_t>(index_)]
                               : 0;
        p.fillRect(rect(), pal.base());
        p.setPen(pal.color(QPalette::PlaceholderText));
        for (int j = 1; j <= grid_->cols; ++j) {
            const QString head = static_cast<std::size_t>(j) <= grid_->columnHeadings.size()
                                     ? qs(grid_->columnHeadings[static_cast<std::size_t>(j - 1)])
                                     : QString::number(j);
            p.drawText(QRect(left + (j - 1) * cellWidth_, 0, cellWidth_ - kPad, top), Qt::AlignRight | Qt::AlignVCenter,
                       head);
        }
        if (multipliers_)
            p.drawText(QRect(left + grid_->cols * cellWidth_ + kGap, 0, multiplierWidth_ - kPad, top),
                       Qt::AlignRight | Qt::AlignVCenter, uiText(Text::StepViewMultiplier));
        for (int i = 1; i <= grid_->rows; ++i) {
            const int y = top + (i - 1) * rowHeight_;
            if (changed_[static_cast<std::size_t>(i)])
                p.fillRect(QRect(left, y, grid_->cols * cellWidth_, rowHeight_), tint);
            if (extent > 0)
                for (int j = 1; j <= grid_->cols; ++j)
                    if (i > extent || j > extent)
                        p.fillRect(QRect(left + (j - 1) * cellWidth_, y, cellWidth_, rowHeight_), outside);
            p.setPen(pal.color(QPalette::PlaceholderText));
            p.drawText(QRect(0, y, labelWidth_ - kPad, rowHeight_), Qt::AlignRight | Qt::AlignVCenter, QString::number(i));
            p.setPen(pal.color(QPalette::Text));
            for (int j = 1; j <= grid_->cols; ++j)
                p.drawText(QRect(left + (j - 1) * cellWidth_, y, cellWidth_ - kPad, rowHeight_),
                           Qt::AlignRight | Qt::AlignVCenter, qs(cells_->at(i, j)));
            const QString& f = multiplier_[static_cast<std::size_t>(i)];
            if (!f.isEmpty())
                p.drawText(QRect(left + grid_->cols * cellWidth_ + kGap, y, multiplierWidth_ - kPad, rowHeight_),
                           Qt::AlignRight | Qt::AlignVCenter, f);
        }
        // The frame, the bar before the right-hand side, the pivot.
        p.setPen(QPen(pal.color(QPalette::Mid), 1));
        p.drawRect(QRect(left, top, grid_->cols * cellWidth_, grid_->rows * rowHeight_));
        if (grid_->bar > 0) {
            p.setPen(QPen(pal.color(QPalette::Text), 2));
            const int x = left + (grid_->bar - 1) * cellWidth_;
            p.drawLine(x, top, x, top + grid_->rows * rowHeight_);
        }
        if (step_->grid == index_ && step_->pivotRow > 0) {
            p.setPen(QPen(QColor(198, 40, 40), 2));
            p.drawRect(QRect(left + (step_->pivotColumn - 1) * cellWidth_ + 1, top + (step_->pivotRow - 1) * rowHeight_ + 1,
                             cellWidth_ - 2, rowHeight_ - 2));
        }
    }

private:
    static constexpr int kPad = 4;
    static constexpr int kGap = 12;
    const StepGrid* grid_ = nullptr;
    const GridCells* cells_ = nullptr;
    const RecordedStep* step_ = nullptr;
    const RecordedStep* first_ = nullptr;
    int index_ = 0;
    std::vector<bool> changed_;
    std::vector<QString> multiplier_;
    bool multipliers_ = false;
    int cellWidth_ = 0, labelWidth_ = 0, rowHeight_ = 0, multiplierWidth_ = 0;
};

// The record of the runs while the view is open; closed, it keeps the last
// one and takes nothing new.
class StepView::Record : public StepRecord {
public:
    Record(StepView& view, std::string decimal) : StepRecord(std::move(decimal)), view_(view) {}
    bool open = false;

    void runBegins() override {
        if (open) clear();
    }
    void runEnded() override {
        if (open) view_.runEnded();
    }
    int grid(PlainText title, const Matrix& M, int rows, int cols, int bar, std::vector<std::string> headings,
             int filled) override {
        return open ? StepRecord::grid(title, M, rows, cols, bar, std::move(headings), filled) : 0;
    }
    void step(StepMarks marks) override {
        if (open) StepRecord::step(std::move(marks));
    }
    void sweep(std::int64_t k, const double* p, const double* x, int n, double e) override {
        if (open) StepRecord::sweep(k, p, x, n, e);
    }

private:
    StepView& view_;
};

StepView::StepView(Session& session, std::string decimal, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), record_(std::make_unique<Record>(*this, std::move(decimal))) {
    setObjectName(QStringLiteral("Form_AdimAdim"));
    auto* layout = new QVBoxLayout(this);
    explanation_ = new QLabel(this);
    explanation_->setObjectName(QStringLiteral("Label_Aciklama"));
    explanation_->setWordWrap(true);
    QFont bold = explanation_->font();
    bold.setBold(true);
    explanation_->setFont(bold);
    layout->addWidget(explanation_);
    auto* area = new QScrollArea(this);
    auto* inside = new QWidget(area);
    panes_ = new QHBoxLayout(inside);
    panes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(inside);
    area->setWidgetResizable(true);
    layout->addWidget(area, 1);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    layout->addWidget(note_);
    auto* buttons = new QHBoxLayout();
    first_ = new QPushButton(this);
    back_ = new QPushButton(this);
    next_ = new QPushButton(this);
    last_ = new QPushButton(this);
    count_ = new QLabel(this);
    first_->setObjectName(QStringLiteral("Command_Ilk"));
    back_->setObjectName(QStringLiteral("Command_Geri"));
    next_->setObjectName(QStringLiteral("Command_Ileri"));
    last_->setObjectName(QStringLiteral("Command_Son"));
    for (QPushButton* b : {first_, back_, next_, last_}) {
        b->setFocusPolicy(Qt::NoFocus);  // the arrows stay with the window
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(count_);
    layout->addLayout(buttons);
    connect(first_, &QPushButton::clicked, this, &StepView::first);
    connect(back_, &QPushButton::clicked, this, [this] { back(); });
    connect(next_, &QPushButton::clicked, this, [this] { next(); });
    connect(last_, &QPushButton::clicked, this, &StepView::last);
    setFocusPolicy(Qt::StrongFocus);
    resize(720, 420);
    restoreGeometry(settings().value(kGeometryKey).toByteArray());
    session_.watchSteps(record_.get());
    rebuild();
}

// The session is its window's and may already be gone: the view only
// stops recording.
StepView::~StepView() { settings().setValue(kGeometryKey, saveGeometry()); }

void StepView::showEvent(QShowEvent* e) {
    record_->open = true;
    settings().setValue(kOpenKey, true);
    QWidget::showEvent(e);
}

void StepView::closeEvent(QCloseEvent* e) {
    settings().setValue(kOpenKey, false);
    QWidget::closeEvent(e);
}

void StepView::hideEvent(QHideEvent* e) {
    record_->open = false;
    settings().setValue(kGeometryKey, saveGeometry());
    QWidget::hideEvent(e);
}

void StepView::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(e);
}

void StepView::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: next(); break;
    case Qt::Key_Left:
    case Qt::Key_Up: back(); break;
    case Qt::Key_PageDown: next(10); break;
    case Qt::Key_PageUp: back(10); break;
    case Qt::Key_Home: first(); break;
    case Qt::Key_End: last(); break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

void StepView::runEnded() {
    current_ = 0;
    rebuild();
}

void StepView::first() { showStep(0); }
void StepView::last() { showStep(record_->steps().empty() ? 0 : record_->steps().size() - 1); }
void StepView::back(std::size_t by) { showStep(current_ > by ? current_ - by : 0); }
void StepView::next(std::size_t by) {
    const std::size_t n = record_->steps().size();
    showStep(n == 0 ? 0 : std::min(current_ + by, n - 1));
}

const StepRecord& StepView::record() const { return *record_; }

QString StepView::explanation() const { return explanation_->text(); }

void StepView::rebuild() {
    for (StepGridPane* p : grids_) delete p->parentWidget();
    grids_.clear();
    titles_.clear();
    for (std::size_t g = 0; g < record_->grids().size(); ++g) {
        auto* box = new QWidget();
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        auto* title = new QLabel(box);
        auto* pane = new StepGridPane(box);
        column->addWidget(title);
        column->addWidget(pane);
        column->addStretch(1);
        panes_->addWidget(box, 0, Qt::AlignTop);
        grids_.push_back(pane);
        titles_.push_back(title);
    }
    showStep(current_);
}

void StepView::showStep(std::size_t k) {
    const auto& steps = record_->steps();
    current_ = k;
    cells_ = record_->cellsAt(k);
    for (std::size_t g = 0; g < grids_.size() && k < steps.size(); ++g) {
        grids_[g]->setFirst(&steps.front());
        grids_[g]->show(record_->grids()[g], cells_[g], steps[k], static_cast<int>(g));
    }
    retranslate();
}

void StepView::retranslate() {
    setWindowTitle(uiText(Text::StepViewTitle));
    if (menuAction_) menuAction_->setText(uiText(Text::StepViewItem));
    first_->setText(uiText(Text::StepViewFirst));
    back_->setText(uiText(Text::StepViewBack));
    next_->setText(uiText(Text::StepViewNext));
    last_->setText(uiText(Text::StepViewLast));
    const auto& steps = record_->steps();
    for (std::size_t g = 0; g < titles_.size(); ++g) {
        const StepGrid& grid = record_->grids()[g];
        titles_[g]->setText(qs(kCatalogue[static_cast<std::size_t>(grid.title)].texts[languageIndex()]));
    }
    for (StepGridPane* p : grids_) p->update();
    if (steps.empty()) {
        explanation_->setText(uiText(Text::StepViewEmpty));
        count_->clear();
    } else {
        explanation_->setText(qs(steps[current_].explanation[languageIndex()]));
        count_->setText(uiFormat(Text::StepViewCount, current_ + 1, steps.size()));
    }
    note_->setVisible(record_->sweepsLeftOut() > 0);
    if (record_->sweepsLeftOut() > 0)
        note_->setText(uiFormat(Text::StepViewLeftOut, steps.size(), record_->sweepsLeftOut()));
    first_->setEnabled(current_ > 0);
    back_->setEnabled(current_ > 0);
    next_->setEnabled(current_ + 1 < steps.size());
    last_->setEnabled(current_ + 1 < steps.size());
}

StepView* addStepView(QMenu* menu, Session& session, std::string decimal, QWidget* window) {
    auto* view = new StepView(session, std::move(decimal), window);
    QAction* a = menu->addAction(uiText(Text::StepViewItem));
    a->setObjectName(QStringLiteral("Mn_AdimAdim"));
    a->setShortcut(QKeySequence(Qt::Key_F8));
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, view, [view] {
        view->show();
        view->raise();
        view->activateWindow();
    });
    view->menuAction_ = a;
    if (settings().value(kOpenKey, false).toBool()) view->show();
    return view;
}

}  // namespace lineer::ui
