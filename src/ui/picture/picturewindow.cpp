#include "picturewindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "picturebox.h"
#include "plotdrawing.h"
#include "texts.h"

namespace lineer::ui {

namespace {

QString qtext(PlainText key) {
    const std::string_view t = text(key);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// The choices, in the order of the list: the box, then the plots.
constexpr plots::Kind kKinds[] = {plots::Kind::Convergence, plots::Kind::Omega, plots::Kind::Geometry};

}  // namespace

// The part of the window the drawing fills.
class DrawingArea : public QWidget {
public:
    explicit DrawingArea(PictureWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        window_.paintDrawing(p, QRectF(rect()));
    }

private:
    PictureWindow& window_;
};

PictureWindow::PictureWindow(PictureBox& box, std::string decimal, QWidget* parent)
    : QWidget(parent, Qt::Window), box_(box), decimal_(std::move(decimal)) {
    setObjectName(QStringLiteral("Form_Resim"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(PictureCanvas::kWidth, PictureCanvas::kHeight);
    auto* bar = new QHBoxLayout;
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("Combo_Cizim"));
    log_ = new QCheckBox(this);
    log_->setObjectName(QStringLiteral("Check_Logaritmik"));
    bar->addWidget(choice_);
    bar->addWidget(log_);
    bar->addStretch();
    area_ = new DrawingArea(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(bar);
    layout->addWidget(area_, 1);
    retranslate();
    connect(choice_, &QComboBox::activated, this, &PictureWindow::choose);
    connect(log_, &QCheckBox::toggled, area_, qOverload<>(&QWidget::update));
    connect(&box_, &PictureBox::pictureChanged, area_, qOverload<>(&QWidget::update));
}

QSize PictureWindow::sizeHint() const { return {4 * PictureCanvas::kWidth, 3 * PictureCanvas::kHeight + 40}; }

void PictureWindow::retranslate() {
    setWindowTitle(qtext(Text::PictureWindowTitle));
    const int index = choice_->currentIndex();
    choice_->clear();
    choice_->addItems({qtext(Text::PlotChoicePicture), qtext(Text::PlotChoiceConvergence), qtext(Text::PlotChoiceOmega),
                       qtext(Text::PlotChoiceGeometry)});
    choice_->setCurrentIndex(std::max(0, index));
    log_->setText(qtext(Text::PlotLogScale));
    // The plot's texts are in the language it was computed in.
    if (shown_) compute();
}

bool PictureWindow::logScale() const { return log_->isChecked(); }

void PictureWindow::showPlot(plots::Kind kind) {
    for (int k = 0; k < 3; ++k)
        if (kKinds[k] == kind) choice_->setCurrentIndex(k + 1);
    choose(choice_->currentIndex());
}

void PictureWindow::choose(int index) {
    shown_ = index >= 1 && index <= 3 ? std::optional(kKinds[index - 1]) : std::nullopt;
    // The logarithmic axis is a choice for the box's plot; the others
    // have the scale that suits them.
    log_->setEnabled(!shown_);
    compute();
}

void PictureWindow::compute() {
    plot_ = {};
    if (shown_ && source_) plot_ = source_(*shown_);
    area_->update();
}

void PictureWindow::paintDrawing(QPainter& p, const QRectF& area) const {
    if (!shown_) {
        drawPicture(p, area, box_.canvas().record(), decimal_, log_->isChecked());
        return;
    }
    if (!plot_.problem.empty()) {
        p.fillRect(area, Qt::white);
        p.setPen(Qt::black);
        p.setFont(pictureFont(area, p.device() ? p.device()->logicalDpiY() : 96));
        p.drawText(area.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromStdString(plot_.problem));
        return;
    }
    drawPlot(p, area, plot_.plot);
}

}  // namespace lineer::ui
