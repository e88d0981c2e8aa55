#include "matrixgrid.h"

#include <QColor>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <string>

#include "numformat.h"
#include "numparse.h"
#include "texts.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

QString wholeNumber(int k) {
    std::string s;
    appendInt(s, k);
    return QString::fromStdString(s);
}

}  // namespace

CellReading readCell(const QString& text, const QString& decimal) {
    QString t = text.trimmed();
    if (decimal != QLatin1String(".")) t.replace(decimal, QStringLiteral("."));
    const FileNumber number = readFileNumber(t.toStdString());
    CellReading r;
    r.ok = number.status == NumberStatus::Number;
    r.value = number.value;
    switch (number.status) {
        case NumberStatus::Number: break;
        case NumberStatus::Empty: r.reason = uiText(Text::CellEmpty); break;
        case NumberStatus::TooLarge: r.reason = uiText(Text::CellTooLarge); break;
        case NumberStatus::DecimalComma: r.reason = uiText(Text::CellDecimalPoint); break;
        case NumberStatus::NotANumber: r.reason = uiText(Text::CellNotANumber); break;
    }
    return r;
}

QList<QStringList> splitBlock(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const bool spreadsheet = text.contains(QLatin1Char('\t'));
    QList<QStringList> rows;
    for (const QString& line : text.split(lineBreak)) {
        if (line.trimmed().isEmpty()) continue;
        QStringList cells;
        if (spreadsheet) {
            for (const QString& c : line.split(QLatin1Char('\t'))) cells << c.trimmed();
        } else {
            cells = line.split(separators, Qt::SkipEmptyParts);
        }
        rows << cells;
    }
    return rows;
}

// One undoable change of the grid: its size and some cells.
class GridCommand : public QUndoCommand {
public:
    GridCommand(MatrixGrid* grid, const QString& what, int n, int m, std::vector<MatrixGrid::Cell> cells)
        : QUndoCommand(what), grid_(grid), oldN_(grid->n_), oldM_(grid->m_), newN_(n), newM_(m),
          after_(std::move(cells)) {
        before_.reserve(after_.size());
        for (const auto& c : after_) before_.push_back({c.row, c.col, grid->text(c.row, c.col)});
    }
    void redo() override { grid_->apply(newN_, newM_, after_); }
    void undo() override {
        // In reverse, so a cell named twice ends as it was before the first.
        std::vector<MatrixGrid::Cell> reversed(before_.rbegin(), before_.rend());
        grid_->apply(oldN_, oldM_, reversed);
    }

private:
    MatrixGrid* grid_;
    int oldN_, oldM_, newN_, newM_;
    std::vector<MatrixGrid::Cell> before_, after_;
};

MatrixGrid::MatrixGrid(QString decimal, QObject* parent)
    : QAbstractTableModel(parent), decimal_(std::move(decimal)), texts_(kGridMax * kGridMax, QStringLiteral("0")),
      values_(kGridMax * kGridMax, 0.0), reasons_(kGridMax * kGridMax) {}

void MatrixGrid::setText(int row, int col, const QString& text) {
    const int k = slot(row, col);
    texts_[k] = text;
    const CellReading r = readCell(text, decimal_);
    values_[k] = r.value;
    reasons_[k] = r.reason;
}

void MatrixGrid::change(const QString& what, int n, int m, const std::vector<Cell>& cells) {
    undo_.push(new GridCommand(this, what, n, m, cells));
}

void MatrixGrid::reset(int n, int m, const std::vector<Cell>& cells) {
    beginResetModel();
    for (int k = 0; k < kGridMax * kGridMax; ++k) setText(k / kGridMax, k % kGridMax, QStringLiteral("0"));
    for (const Cell& c : cells) setText(c.row, c.col, c.text);
    n_ = n;
    m_ = m;
    endResetModel();
    undo_.clear();
    emit sizeChanged(n_, m_);
    emit cellsChanged();
}

void MatrixGrid::apply(int n, int m, const std::vector<Cell>& cells) {
    n = std::clamp(n, 0, kGridMax);
    m = std::clamp(m, 0, kGridMax);
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const Cell& c : cells) {
        setText(c.row, c.col, c.text);
        top = std::min(top, c.row);
        left = std::min(left, c.col);
        bottom = std::max(bottom, c.row);
        right = std::max(right, c.col);
    }
    const bool resized = n != n_ || m != m_;
    if (n > n_) {
        beginInsertRows({}, n_, n - 1);
        n_ = n;
        endInsertRows();
    } else if (n < n_) {
        beginRemoveRows({}, n, n_ - 1);
        n_ = n;
        endRemoveRows();
    }
    if (m > m_) {
        beginInsertColumns({}, m_, m - 1);
        m_ = m;
        endInsertColumns();
    } else if (m < m_) {
        beginRemoveColumns({}, m, m_ - 1);
        m_ = m;
        endRemoveColumns();
    }
    bottom = std::min(bottom, n_ - 1);
    right = std::min(right, m_ - 1);
    if (top <= bottom && left <= right) emit dataChanged(index(top, left), index(bottom, right));
    if (resized) {
        // The column names depend on both sizes.
        if (m_ > 0) emit headerDataChanged(Qt::Horizontal, 0, m_ - 1);
        emit sizeChanged(n_, m_);
    }
    emit cellsChanged();
}

MatrixGrid::Problem MatrixGrid::firstProblem() const {
    Problem p;
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < m_; ++j) {
            const QString& reason = reasons_[slot(i, j)];
            if (reason.isEmpty()) continue;
            if (p.count++ == 0) {
                p.row = i;
                p.col = j;
                p.reason = reason;
            }
        }
    return p;
}

std::vector<double> MatrixGrid::values() const {
    std::vector<double> v;
    v.reserve(static_cast<std::size_t>(n_) * m_);
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < m_; ++j) v.push_back(values_[slot(i, j)]);
    return v;
}

int MatrixGrid::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : n_; }

int MatrixGrid::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_; }

QVariant MatrixGrid::data(const QModelIndex& idx, int role) const {
    if (!idx.isValid()) return {};
    const int k = slot(idx.row(), idx.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return texts_[k];
        case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (!reasons_[k].isEmpty()) return QColor(255, 200, 200);
            return {};
        case Qt::ToolTipRole: return reasons_[k].isEmpty() ? QVariant() : QVariant(reasons_[k]);
        default: return {};
    }
}

bool MatrixGrid::setData(const QModelIndex& idx, const QVariant& value, int role) {
    if (!idx.isValid() || role != Qt::EditRole) return false;
    const QString t = value.toString().trimmed();
    if (t != text(idx.row(), idx.column())) change(uiText(Text::CellChange), n_, m_, {{idx.row(), idx.column(), t}});
    return true;
}

Qt::ItemFlags MatrixGrid::flags(const QModelIndex& idx) const {
    if (!idx.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant MatrixGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return wholeNumber(section + 1);
    // An augmented system names its unknowns and its right-hand side.
    if (m_ == n_ + 1)
        return section < n_ ? QLatin1Char('x') + wholeNumber(section + 1) : uiText(Text::RightHandSide);
    return wholeNumber(section + 1);
}

}  // namespace lineer::ui
