#include "runprogress.h"

#include "vectorstate.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

#include "numformat.h"
#include "texts.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

// The locale's digit group separator, unless it could be read as the
// decimal symbol.
std::string groupSeparator(const QString& decimal) {
    const QString group = QLocale().groupSeparator();
    return group == decimal ? std::string() : group.toStdString();
}

}  // namespace

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_Progress"));
    setWindowModality(Qt::WindowModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    sweeps_ = new QLabel(this);
    sweeps_->setObjectName(QStringLiteral("Label_Iterasyon"));
    sweeps_->setTextFormat(Qt::PlainText);
    change_ = new QLabel(this);
    change_->setObjectName(QStringLiteral("Label_Hata"));
    change_->setTextFormat(Qt::PlainText);
    limit_ = new QLabel(this);
    limit_->setObjectName(QStringLiteral("Label_Sinir"));
    limit_->setTextFormat(Qt::PlainText);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 1000);
    bar_->setTextVisible(false);
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("Command_Iptal"));
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sweeps_);
    layout->addWidget(change_);
    layout->addWidget(limit_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    retranslate();
    // Wide enough for long counts, so the window does not change size as
    // the numbers grow.
    setMinimumWidth(fontMetrics().horizontalAdvance(uiFormat(Text::ProgressChange, "1.23456789012345E+300")) + 40);
    setLimit(0, QStringLiteral("."));
    setValues(0, 0, QStringLiteral("."));
}

void ProgressDialog::retranslate() {
    setWindowTitle(uiText(Text::ProgressTitle));
    cancel_->setText(uiText(Text::ProgressCancel));
}

void ProgressDialog::setLimit(double limit, const QString& decimal) {
    // The loop runs the whole part of the limit.
    limitValue_ = std::floor(limit);
    const bool shown = std::isfinite(limitValue_) && limitValue_ >= 1;
    limit_->setVisible(shown);
    bar_->setVisible(shown);
    if (!shown) return;
    // A limit too large for a whole number of the counter is written as
    // the report writes numbers.
    const std::string limitText = limitValue_ < 1e15 ? groupedInt(static_cast<long long>(limitValue_), groupSeparator(decimal))
                                                     : formatRounded(limitValue_, 0, decimal.toStdString());
    limit_->setText(uiFormat(Text::ProgressLimit, limitText));
}

void ProgressDialog::setValues(std::int64_t sweeps, double maxChange, const QString& decimal) {
    sweeps_->setText(uiFormat(Text::ProgressSweeps, groupedInt(sweeps, groupSeparator(decimal))));
    // A change too large for a double is no number to show.
    const std::string e = std::isfinite(maxChange) ? formatRounded(maxChange, 6, decimal.toStdString())
                                                   : std::string(text(Text::Infinity));
    change_->setText(uiFormat(Text::ProgressChange, e));
    if (bar_->isVisibleTo(this))
        bar_->setValue(static_cast<int>(1000.0 * std::min(1.0, static_cast<double>(sweeps) / limitValue_)));
}

QString ProgressDialog::sweepsText() const { return sweeps_->text(); }

QString ProgressDialog::changeText() const { return change_->text(); }

void ProgressDialog::reject() {
    cancelled_ = true;
    cancel_->setEnabled(false);
}

RunMonitor::RunMonitor(QWidget* window) : window_(window), clock_([] { return std::chrono::steady_clock::now(); }) {}

RunMonitor::~RunMonitor() { hide(); }

void RunMonitor::begin() {
    running_ = true;
    watching_ = true;
    shown_ = false;
    countdown_ = timing_.callsPerCheck;
    start_ = clock_();
}

void RunMonitor::end() {
    hide();
    running_ = false;
    watching_ = false;
    shown_ = false;
}

void RunMonitor::stop() {
    hide();
    watching_ = false;
}

bool RunMonitor::keepIterating(std::int64_t sweeps, double maxChange) {
    // Most sweeps end here: a countdown, no clock read.
    if (!watching_ || --countdown_ > 0) return true;
    countdown_ = timing_.callsPerCheck;
    const auto now = clock_();
    if (!shown_) {
        if (now - start_ < timing_.showAfter) return true;
        show(sweeps, maxChange);
        return pump(sweeps, maxChange, now);
    }
    if (now - lastPump_ < timing_.pumpEvery) return !dialog_ || !dialog_->cancelled();
    return pump(sweeps, maxChange, now);
}

void RunMonitor::show(std::int64_t sweeps, double maxChange) {
    if (!dialog_) dialog_ = new ProgressDialog(window_);
    dialog_->rearm();
    dialog_->cancelButton()->setEnabled(true);
    dialog_->setLimit(limit_, decimal_);
    dialog_->setValues(sweeps, maxChange, decimal_);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    shown_ = true;
    ++timesShown_;
    // The arrow with the busy sign over the progress window: its button
    // can be clicked.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    cursor_ = true;
}

bool RunMonitor::pump(std::int64_t sweeps, double maxChange, std::chrono::steady_clock::time_point now) {
    lastPump_ = now;
    if (!dialog_ || !dialog_->isVisible()) return true;
    dialog_->setValues(sweeps, maxChange, decimal_);
    // The window is blocked by the progress window: only the progress
    // window, repaints (the picture's circles among them) and timers get
    // through.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (onPump) onPump();
    cleanVectorState();
    return !dialog_ || !dialog_->cancelled();
}

void RunMonitor::hide() {
    if (dialog_ && dialog_->isVisible()) dialog_->hide();
    if (cursor_) {
        QApplication::restoreOverrideCursor();
        cursor_ = false;
    }
}

}  // namespace lineer::ui
