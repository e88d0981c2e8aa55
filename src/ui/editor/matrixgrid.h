#pragma once
// The cells of the matrix editor: texts as typed, each read by the
// coefficient file's number rule, every change undoable.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <vector>

namespace lineer::ui {

inline constexpr int kGridMax = 100;

// A cell's text read as one number of a coefficient file (readFileNumber).
// Surrounding spaces do not count; where the decimal symbol is not the
// period, it is read as one ("1,5" is 1.5). `reason` says, in the
// catalogue's words, why a text is not a number.
struct CellReading {
    bool ok = false;
    double value = 0;
    QString reason;
};
CellReading readCell(const QString& text, const QString& decimal);

// Splits pasted text into rows of cell texts. Text holding a tab is a
// spreadsheet's block: cells are separated by tabs only, and an empty one
// stays empty. Other text is separated as in a coefficient file, by spaces
// and commas. Lines are rows; blank lines are skipped.
QList<QStringList> splitBlock(const QString& text);

// n x m cells shown out of a fixed 100 x 100 store: shrinking hides cells
// without losing them, so a size typed digit by digit loses nothing.
class MatrixGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Cell {
        int row, col;  // 0-based
        QString text;
    };

    explicit MatrixGrid(QString decimal, QObject* parent = nullptr);

    int rows() const { return n_; }
    int cols() const { return m_; }
    QString text(int row, int col) const { return texts_[slot(row, col)]; }
    double value(int row, int col) const { return values_[slot(row, col)]; }
    const QString& decimal() const { return decimal_; }
    // The first cell that is not a number, in row order, and how many there
    // are; row is -1 when every shown cell is a number.
    struct Problem {
        int row = -1, col = -1, count = 0;
        QString reason;
    };
    Problem firstProblem() const;

    // The shown cells row by row.
    std::vector<double> values() const;

    QUndoStack* undoStack() { return &undo_; }

    // One undoable change: the new size and the cells that change. Cells
    // may lie outside the new size (they stay hidden).
    void change(const QString& what, int n, int m, const std::vector<Cell>& cells);
    // Starts over without undo history.
    void reset(int n, int m, const std::vector<Cell>& cells);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void sizeChanged(int n, int m);
    void cellsChanged();

private:
    friend class GridCommand;
    static int slot(int row, int col) { return row * kGridMax + col; }
    void apply(int n, int m, const std::vector<Cell>& cells);
    void setText(int row, int col, const QString& text);

    QString decimal_;
    int n_ = 0, m_ = 0;
    std::vector<QString> texts_;
    std::vector<double> values_;
    std::vector<QString> reasons_;  // empty for a number
    QUndoStack undo_;
};

}  // namespace lineer::ui
