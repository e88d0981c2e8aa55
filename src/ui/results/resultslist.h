#pragma once
// The results list: a model that keeps the lines with their kinds and takes
// them in batches, and the list view that shows them in a monospace font.

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <QSize>
#include <QStringList>

#include <string>
#include <vector>

#include "resultline.h"

class QFrame;
class QLabel;

namespace lineer::ui {

class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Pending lines are handed to the view in batches of this size.
    static constexpr std::size_t kBatch = 4096;

    explicit ResultsModel(QObject* parent = nullptr);

    // The font the rows are measured in (the view's font).
    void setFont(const QFont& font);

    // Appends a line; it reaches the view at the next flush, or when a
    // batch is full. Every kind is shown as its text.
    void append(ResultLine line);
    // Appends a line of text.
    void append(std::string line) { append(ResultLine(std::move(line))); }
    // Hands the pending lines to the view.
    void flush();
    void clear();

    // Every line, pending ones included: its text, or the line with its kind.
    std::size_t lineCount() const { return lines_.size(); }
    const std::string& line(std::size_t i) const { return lines_[i].text; }
    const ResultLine& at(std::size_t i) const { return lines_[i]; }
    QString allText() const;
    // The size every row reports: as wide as the widest line.
    QSize rowSize() const { return rowSize_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void measure(std::size_t from);

    std::vector<ResultLine> lines_;
    std::size_t shown_ = 0;  // lines the view knows about
    QFont font_;
    bool arrowInFont_ = true;  // "←" of the explained steps; else shown as "<-"
    std::size_t widest_ = 0;        // index of the line with the most characters
    std::size_t widestChars_ = 0;
    QSize rowSize_;
};

class ResultsView : public QListView {
    Q_OBJECT
public:
    explicit ResultsView(QWidget* parent = nullptr);
    ResultsModel* results() const { return model_; }

    // Hands the pending lines to the view; when lines were added since
    // `from`, shows the first of them at the top, from the left edge.
    void flushAndShowFrom(std::size_t from);
    // The same, then, for a run longer than the view, its last line (the
    // result) at the bottom.
    void flushAndShowRun(std::size_t from);

    // Copies the selected line, or the whole list, to the clipboard.
    void copySelected();
    void copyAll();

    // The remarks on the last run, in a strip along the list's bottom edge
    // that the lines scroll above: seen at once, without a click, and
    // hidden while there are none. They are no lines of the list.
    void addRemark(const QString& text);
    void clearRemarks();
    const QStringList& remarks() const { return remarks_; }
    QWidget* remarkStrip() const { return strip_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeStrip();

    ResultsModel* model_;
    QStringList remarks_;
    QFrame* strip_;
    QLabel* stripText_;
};

// A fixed-pitch font in which the matrix columns line up.
QFont monospaceFont(int pixelSize);

}  // namespace lineer::ui
