#pragma once
// "Adım adım": a window of its own that shows the last run of "Hesapla"
// step by step, from the steps the run itself reported while it ran: the
// grids with the bar before the right-hand side, the pivot outlined, the
// changed rows tinted with their multipliers beside them, the step's
// explanation above. It watches the session's runs only while it is open.

#include <QWidget>

#include <memory>
#include <vector>

#include "session.h"
#include "steprecord.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;

namespace lineer::ui {

class StepGridPane;
class StepView;

StepView* addStepView(QMenu* menu, Session& session, std::string decimal, QWidget* window);

class StepView : public QWidget {
    Q_OBJECT
public:
    StepView(Session& session, std::string decimal, QWidget* parent);
    ~StepView() override;

    const StepRecord& record() const;
    // The step shown, 0 .. steps − 1.
    std::size_t current() const { return current_; }
    void first();
    void back(std::size_t by = 1);
    void next(std::size_t by = 1);
    void last();
    // The cells shown now, grid by grid.
    const std::vector<GridCells>& shownCells() const { return cells_; }
    // The explanation shown now.
    QString explanation() const;
    void retranslate();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    class Record;
    void runEnded();
    void rebuild();
    void showStep(std::size_t k);

    Session& session_;
    std::unique_ptr<Record> record_;
    std::size_t current_ = 0;
    std::vector<GridCells> cells_;
    QLabel* explanation_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* note_ = nullptr;
    QHBoxLayout* panes_ = nullptr;
    std::vector<StepGridPane*> grids_;
    std::vector<QLabel*> titles_;
    QPushButton* first_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
    QAction* menuAction_ = nullptr;  // "Adım adım", whose caption follows the language
    friend StepView* addStepView(QMenu*, Session&, std::string, QWidget*);
};

// Adds "Adım adım" (F8) to `menu`: it opens the view, or brings it to the
// front. The view is made now and opens at once when it was open when the
// program last ended; its size and place are remembered too.
StepView* addStepView(QMenu* menu, Session& session, std::string decimal, QWidget* window);

}  // namespace lineer::ui
