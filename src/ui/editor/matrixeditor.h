#pragma once
// The matrix editor: a grid to type or paste a matrix into, saved as a
// coefficient file.

#include <QDialog>

#include <functional>
#include <vector>

#include "texts.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace lineer::ui {

class MatrixGrid;

class MatrixEditor : public QDialog {
    Q_OBJECT
public:
    // `decimal` is the user's decimal symbol, also accepted in cells.
    explicit MatrixEditor(const QString& decimal, QWidget* parent = nullptr);

    // Starts from an n x m matrix, `values` row by row; no undo history.
    void setMatrix(int n, int m, const std::vector<double>& values);
    // Where "Kaydet" proposes to save: a folder and a file name in it.
    void setSaveTarget(const QString& folder, const QString& fileName);
    // The window's caption: "Yeni matris" until set.
    void setTitle(PlainText title);
    // Sets every text the editor shows from the catalogue.
    void retranslate();

    MatrixGrid* grid() const { return grid_; }
    QTableView* view() const { return view_; }
    QSpinBox* rowsBox() const { return rows_; }
    QSpinBox* colsBox() const { return cols_; }
    QPushButton* saveButton() const { return save_; }
    // Why "Kaydet" is disabled, or empty.
    QString problemText() const;

    // Ctrl+C, Ctrl+V and Delete on the grid; Delete sets the selected cells
    // to 0 (the selection stays).
    void copySelection();
    void pasteText(const QString& text);
    void zeroSelection();
    // "Kaydet": asks for a file name and writes the file.
    void save();

    // When set, the file name is asked here instead of in a file dialog
    // (the suggested path in, the chosen one out; empty cancels), and
    // message texts go to messageHook instead of a message box.
    std::function<QString(const QString&)> fileNameHook;
    std::function<void(const QString&)> messageHook;

signals:
    // A file was written; the editor closes.
    void saved(const QString& path);

public slots:
    void reject() override;

private:
    // The parts of the dialog, made by the constructor in this order: the
    // size boxes, the grid, then the hint and the row of the problem line
    // and the buttons.
    QHBoxLayout* buildSizeBoxes();
    void buildView();
    QHBoxLayout* buildButtons();
    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) on the grid's history.
    void addUndoActions();

    void message(const QString& text);
    bool askYes(const QString& text, const QString& yes, const QString& no);
    QString askFileName();
    void sizeBoxChanged();
    void updateState();

    MatrixGrid* grid_ = nullptr;
    QTableView* view_ = nullptr;
    QSpinBox* rows_ = nullptr;
    QSpinBox* cols_ = nullptr;
    QLabel* rowsLabel_ = nullptr;
    QLabel* colsLabel_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    PlainText title_ = Text::NewMatrixTitle;
    QString folder_, fileName_;
};

}  // namespace lineer::ui
