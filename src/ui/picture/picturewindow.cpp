#include "picturewindow.h"

#include <QPainter>

#include "picturebox.h"
#include "texts.h"

namespace lineer::ui {

PictureWindow::PictureWindow(PictureBox& box, std::string decimal, QWidget* parent)
    : QWidget(parent, Qt::Window), box_(box), decimal_(std::move(decimal)) {
    setObjectName(QStringLiteral("Form_Resim"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(PictureCanvas::kWidth, PictureCanvas::kHeight);
    connect(&box_, &PictureBox::pictureChanged, this, qOverload<>(&QWidget::update));
    retranslate();
}

QSize PictureWindow::sizeHint() const { return {3 * PictureCanvas::kWidth, 3 * PictureCanvas::kHeight}; }

void PictureWindow::retranslate() {
    const std::string_view t = text(Text::PictureWindowTitle);
    setWindowTitle(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

void PictureWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawPicture(p, QRectF(rect()), box_.canvas().record(), decimal_);
}

}  // namespace lineer::ui
