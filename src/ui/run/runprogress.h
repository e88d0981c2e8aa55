#pragma once
// Long iterations in the window. A method still runs on the window's
// thread, to its end; once it has run for about half a second a modal
// progress window shows the sweep count and the last maximum change, and
// its "İptal" button ends the iteration after the current sweep.

#include <QDialog>
#include <QPointer>

#include <chrono>
#include <cstdint>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lineer::ui {

// The progress window. "İptal", Escape and the close box all cancel.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent);

    // Sets the caption and the button from the catalogue; the lines are
    // set with every value.
    void retranslate();

    // The sweep count as a whole number, the maximum change as the report's
    // error line will write it (rounded to six decimals).
    void setValues(std::int64_t sweeps, double maxChange, const QString& decimal);
    // The iteration limit of the run; a finite one is shown with a bar of
    // the sweeps done so far, any other hides both.
    void setLimit(double limit, const QString& decimal);
    bool cancelled() const { return cancelled_; }
    void rearm() { cancelled_ = false; }

    QString sweepsText() const;
    QString changeText() const;
    QLabel* limitLabel() const { return limit_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void reject() override;

private:
    QLabel* sweeps_;
    QLabel* change_;
    QLabel* limit_;
    QProgressBar* bar_;
    double limitValue_ = 0;
    QPushButton* cancel_;
    bool cancelled_ = false;
};

// Watches one method run for the window: begin() when "Hesapla" starts it,
// keepIterating() after every sweep, end() when it has returned.
class RunMonitor {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    struct Timing {
        std::chrono::milliseconds showAfter{500};  // run time before the window appears
        std::chrono::milliseconds pumpEvery{40};   // events are handled at most this often
        int callsPerCheck = 128;                   // sweeps between two clock reads
    };

    explicit RunMonitor(QWidget* window);
    ~RunMonitor();
    RunMonitor(const RunMonitor&) = delete;
    RunMonitor& operator=(const RunMonitor&) = delete;

    void setClock(Clock clock) { clock_ = std::move(clock); }
    void setTiming(Timing timing) { timing_ = timing; }
    void setDecimal(QString decimal) { decimal_ = std::move(decimal); }
    // The limit of the next run (infinite when it has none to show).
    void setLimit(double limit) { limit_ = limit; }

    void begin();
    void end();
    // Closes the progress window for the rest of the run (a message box is
    // about to take its place); the run then goes on without events.
    void stop();

    bool running() const { return running_; }
    bool keepIterating(std::int64_t sweeps, double maxChange);

    // The progress window, once a run has needed it.
    ProgressDialog* dialog() const { return dialog_; }
    // How many runs have shown it.
    int timesShown() const { return timesShown_; }
    // Called after each round of event handling while the window is up;
    // the tests act from here as a user would.
    std::function<void()> onPump;

private:
    void show(std::int64_t sweeps, double maxChange);
    bool pump(std::int64_t sweeps, double maxChange, std::chrono::steady_clock::time_point now);
    void hide();

    QWidget* window_;
    QPointer<ProgressDialog> dialog_;
    Clock clock_;
    Timing timing_;
    QString decimal_ = QStringLiteral(".");
    double limit_ = 0;
    bool running_ = false;
    bool watching_ = false;
    bool shown_ = false;
    bool cursor_ = false;
    int countdown_ = 0;
    int timesShown_ = 0;
    std::chrono::steady_clock::time_point start_, lastPump_;
};

}  // namespace lineer::ui
