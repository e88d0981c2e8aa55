#include "matrixeditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

#include "matrixgrid.h"
#include "uitext.h"
#include "writer.h"

namespace lineer::ui {

namespace {

// The grid's keys as in a spreadsheet: Enter moves down, Tab and Enter
// also leave a cell being typed into, Delete sets the selection to 0, and
// Ctrl+C / Ctrl+V copy and paste blocks. Enter never reaches the dialog.
class GridView : public QTableView {
public:
    GridView(MatrixEditor* editor, QWidget* parent) : QTableView(parent), editor_(editor) {}

    // One cell in the direction of an arrow key.
    void stepArrow(int key) {
        switch (key) {
            case Qt::Key_Up: step(MoveUp); break;
            case Qt::Key_Down: step(MoveDown); break;
            case Qt::Key_Left: step(MoveLeft); break;
            default: step(MoveRight); break;
        }
    }
    // Whether the cell being edited was entered by typing into it, rather
    // than by F2 or a double click.
    bool typedInto() const { return typedInto_; }

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        const bool opened = QTableView::edit(index, trigger, event);
        if (opened) typedInto_ = trigger == AnyKeyPressed;
        return opened;
    }

    void step(CursorAction action) {
        const QModelIndex next = moveCursor(action, Qt::NoModifier);
        if (next.isValid()) setCurrentIndex(next);
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (state() != EditingState) {
            if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
                step(MoveDown);
                return;
            }
            if (e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace) {
                editor_->zeroSelection();
                return;
            }
            if (e->matches(QKeySequence::Copy)) {
                editor_->copySelection();
                return;
            }
            if (e->matches(QKeySequence::Paste)) {
                editor_->pasteText(QApplication::clipboard()->text());
                return;
            }
        }
        QTableView::keyPressEvent(e);
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        switch (hint) {
            case QAbstractItemDelegate::EditNextItem: step(MoveNext); break;
            case QAbstractItemDelegate::EditPreviousItem: step(MovePrevious); break;
            case QAbstractItemDelegate::SubmitModelCache: step(MoveDown); break;
            default: break;
        }
    }

private:
    MatrixEditor* editor_;
    bool typedInto_ = false;
};

// The arrow keys as in a spreadsheet: up and down leave the cell being
// edited, as Enter does; left and right leave it when the text cursor is
// at that edge, or always in a cell entered by typing. An invalid cell
// keeps its red while selected.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            if ((k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && leavesCell(editor, k->key())) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                view_->stepArrow(k->key());
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->state & QStyle::State_Selected && index.data(Qt::BackgroundRole).isValid()) {
            option->palette.setColor(QPalette::Highlight, QColor(192, 0, 0));
            option->palette.setColor(QPalette::HighlightedText, Qt::white);
        }
    }

private:
    bool leavesCell(QWidget* editor, int key) const {
        if (key == Qt::Key_Up || key == Qt::Key_Down) return true;
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        if (view_->typedInto()) return true;
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line || line->hasSelectedText()) return false;
        return key == Qt::Key_Left ? line->cursorPosition() == 0 : line->cursorPosition() == line->text().size();
    }

private:
    GridView* view_;
};

}  // namespace

MatrixEditor::MatrixEditor(const QString& decimal, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MatrixEditor"));
    grid_ = new MatrixGrid(decimal, this);
    // Made in the order of the keyboard: the sizes, the grid, the buttons.
    QHBoxLayout* sizes = buildSizeBoxes();
    buildView();
    QHBoxLayout* buttons = buildButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizes);
    layout->addWidget(view_, 1);
    layout->addWidget(hint_);
    layout->addLayout(buttons);
    addUndoActions();

    connect(grid_, &MatrixGrid::sizeChanged, this, [this](int n, int m) {
        const QSignalBlocker b1(rows_), b2(cols_);
        rows_->setValue(n);
        cols_->setValue(m);
    });
    connect(grid_, &MatrixGrid::cellsChanged, this, &MatrixEditor::updateState);

    retranslate();
    resize(640, 420);
    setMatrix(3, 4, std::vector<double>(12, 0.0));
}

QHBoxLayout* MatrixEditor::buildSizeBoxes() {
    rows_ = new QSpinBox(this);
    cols_ = new QSpinBox(this);
    for (QSpinBox* box : {rows_, cols_}) {
        box->setRange(0, kGridMax);
        // A size typed digit by digit applies once, when it is complete.
        box->setKeyboardTracking(false);
        connect(box, &QSpinBox::valueChanged, this, &MatrixEditor::sizeBoxChanged);
    }
    auto* sizes = new QHBoxLayout;
    rowsLabel_ = new QLabel(this);
    colsLabel_ = new QLabel(this);
    rowsLabel_->setBuddy(rows_);
    colsLabel_->setBuddy(cols_);
    sizes->addWidget(rowsLabel_);
    sizes->addWidget(rows_);
    sizes->addSpacing(16);
    sizes->addWidget(colsLabel_);
    sizes->addWidget(cols_);
    sizes->addStretch();
    return sizes;
}

void MatrixEditor::buildView() {
    auto* view = new GridView(this, this);
    view_ = view;
    view_->setModel(grid_);
    view_->setItemDelegate(new CellDelegate(view));
    view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    view_->horizontalHeader()->setDefaultSectionSize(84);
    view_->horizontalHeader()->setMinimumSectionSize(40);
}

QHBoxLayout* MatrixEditor::buildButtons() {
    problem_ = new QLabel(this);
    problem_->setTextFormat(Qt::PlainText);
    QPalette red = problem_->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    problem_->setPalette(red);
    hint_ = new QLabel(this);
    hint_->setTextFormat(Qt::PlainText);

    save_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    // Enter belongs to the grid: no button is pressed by it.
    for (QPushButton* b : {save_, cancel_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(save_, &QPushButton::clicked, this, &MatrixEditor::save);
    connect(cancel_, &QPushButton::clicked, this, &MatrixEditor::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(problem_, 1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    return buttons;
}

void MatrixEditor::addUndoActions() {
    // Plain actions rather than the undo stack's own, whose captions could
    // not be set again.
    QUndoStack* history = grid_->undoStack();
    undo_ = new QAction(this);
    undo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    undo_->setEnabled(history->canUndo());
    connect(undo_, &QAction::triggered, history, &QUndoStack::undo);
    connect(history, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    redo_ = new QAction(this);
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo_->setEnabled(history->canRedo());
    connect(redo_, &QAction::triggered, history, &QUndoStack::redo);
    connect(history, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    addAction(undo_);
    addAction(redo_);
}

void MatrixEditor::retranslate() {
    setWindowTitle(uiText(title_));
    rowsLabel_->setText(uiText(Text::RowsLabel));
    colsLabel_->setText(uiText(Text::ColumnsLabel));
    hint_->setText(uiText(Text::EditorKeysHint));
    save_->setText(uiText(Text::SaveButton));
    cancel_->setText(uiText(Text::CancelButton));
    undo_->setText(uiText(Text::UndoAction));
    redo_->setText(uiText(Text::RedoAction));
    updateState();
}

void MatrixEditor::setTitle(PlainText title) {
    title_ = title;
    setWindowTitle(uiText(title_));
}

void MatrixEditor::setMatrix(int n, int m, const std::vector<double>& values) {
    // Numbers as the user types them: with the decimal symbol of the
    // listing, which is also what a spreadsheet of the same locale reads.
    std::vector<MatrixGrid::Cell> cells;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            QString text = QString::fromStdString(shortestText(values[static_cast<std::size_t>(i * m + j)]));
            cells.push_back({i, j, text.replace(QLatin1Char('.'), grid_->decimal())});
        }
    grid_->reset(n, m, cells);
    view_->setCurrentIndex(grid_->index(0, 0));
    view_->setFocus();
}

void MatrixEditor::setSaveTarget(const QString& folder, const QString& fileName) {
    folder_ = folder;
    fileName_ = fileName;
}

void MatrixEditor::sizeBoxChanged() {
    if (rows_->value() != grid_->rows() || cols_->value() != grid_->cols())
        grid_->change(uiText(Text::UndoResize), rows_->value(), cols_->value(), {});
}

QString MatrixEditor::problemText() const { return problem_->text(); }

void MatrixEditor::updateState() {
    const MatrixGrid::Problem p = grid_->firstProblem();
    save_->setEnabled(p.count == 0);
    if (p.count == 0) {
        problem_->clear();
        return;
    }
    problem_->setText(p.count > 1 ? uiFormat(Text::CellProblems, p.row + 1, p.col + 1, p.reason, p.count)
                                  : uiFormat(Text::CellProblem, p.row + 1, p.col + 1, p.reason));
}

void MatrixEditor::copySelection() {
    const QModelIndexList sel = view_->selectionModel()->selectedIndexes();
    if (sel.isEmpty()) return;
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex& i : sel) {
        top = std::min(top, i.row());
        left = std::min(left, i.column());
        bottom = std::max(bottom, i.row());
        right = std::max(right, i.column());
    }
    QString text;
    for (int i = top; i <= bottom; ++i) {
        QStringList row;
        for (int j = left; j <= right; ++j) row << grid_->text(i, j);
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(text);
}

void MatrixEditor::pasteText(const QString& text) {
    const QList<QStringList> block = splitBlock(text);
    if (block.isEmpty()) return;
    qsizetype width = 0;
    for (const QStringList& r : block) width = std::max(width, r.size());
    const QModelIndex at = view_->currentIndex();
    const int top = at.isValid() ? at.row() : 0;
    const int left = at.isValid() ? at.column() : 0;
    if (top + block.size() > kGridMax || left + width > kGridMax) {
        message(uiFormat(Text::PasteTooLarge, block.size(), width, top + 1, left + 1));
        return;
    }
    std::vector<MatrixGrid::Cell> cells;
    for (int i = 0; i < block.size(); ++i)
        for (int j = 0; j < block[i].size(); ++j) cells.push_back({top + i, left + j, block[i][j]});
    const int n = std::max(grid_->rows(), top + static_cast<int>(block.size()));
    const int m = std::max(grid_->cols(), left + static_cast<int>(width));
    grid_->change(uiText(Text::UndoPaste), n, m, cells);
    view_->setCurrentIndex(grid_->index(top, left));
    view_->selectionModel()->select(
        QItemSelection(grid_->index(top, left), grid_->index(top + block.size() - 1, left + width - 1)),
        QItemSelectionModel::ClearAndSelect);
}

void MatrixEditor::zeroSelection() {
    std::vector<MatrixGrid::Cell> cells;
    for (const QModelIndex& i : view_->selectionModel()->selectedIndexes())
        cells.push_back({i.row(), i.column(), QStringLiteral("0")});
    if (!cells.empty()) grid_->change(uiText(Text::UndoClear), grid_->rows(), grid_->cols(), cells);
}

QString MatrixEditor::askFileName() {
    const QString suggested = QDir(folder_).filePath(fileName_);
    if (fileNameHook) return fileNameHook(suggested);
    QFileDialog dialog(this, uiText(Text::SaveMatrixTitle), folder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(uiText(Text::CoefficientFilesFilter));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!fileName_.isEmpty()) dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void MatrixEditor::save() {
    // A cell still being typed into counts.
    if (QWidget* typing = view_->indexWidget(view_->currentIndex()))
        view_->itemDelegate()->setModelData(typing, grid_, view_->currentIndex());
    if (grid_->firstProblem().count > 0) return;
    QString path = askFileName();
    if (path.isEmpty()) return;
    // The file list shows only ".txt" files.
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        path += QLatin1String(".txt");
        if (QFileInfo::exists(path) &&
            !askYes(uiFormat(Text::OverwriteQuestion, QDir::toNativeSeparators(path)), uiText(Text::OverwriteButton),
                    uiText(Text::CancelButton)))
            return;
    }
    const SaveResult r =
        saveCoefficientFile(path.toStdString(), grid_->rows(), grid_->cols(), grid_->values());
    if (!r.ok) {
        message(QString::fromStdString(r.message));
        return;
    }
    grid_->undoStack()->setClean();
    emit saved(path);
    accept();
}

void MatrixEditor::reject() {
    if (!grid_->undoStack()->isClean() &&
        !askYes(uiText(Text::CloseUnsavedQuestion), uiText(Text::CloseButton), uiText(Text::CancelButton)))
        return;
    QDialog::reject();
}

void MatrixEditor::message(const QString& text) {
    if (messageHook) {
        messageHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

bool MatrixEditor::askYes(const QString& text, const QString& yes, const QString& no) {
    if (messageHook) {
        messageHook(text);
        return true;
    }
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::NoButton, this);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(no, QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == yesButton;
}

}  // namespace lineer::ui
