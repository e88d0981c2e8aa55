#include "windowgeometry.h"

#include <QEvent>
#include <QResizeEvent>
#include <QSettings>

namespace lineer::ui {

namespace {

const char* const kGeometryKey = "window/geometry";

class GeometryKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Close)
            QSettings().setValue(kGeometryKey, static_cast<QWidget*>(watched)->saveGeometry());
        return false;
    }
};

}  // namespace

GrowingForm::GrowingForm(QSize size, QWidget* parent) : QWidget(parent) {
    setMinimumSize(size);
    resize(size);
}

void GrowingForm::setStretching(QWidget* child) {
    stretching_ = child;
    const QRect g = child->geometry();
    toEdges_ = QMargins(g.left(), g.top(), minimumWidth() - g.right() - 1, minimumHeight() - g.bottom() - 1);
}

void GrowingForm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (stretching_) stretching_->setGeometry(QRect(QPoint(0, 0), e->size()).marginsRemoved(toEdges_));
}

void rememberGeometry(QWidget* window) {
    const QByteArray saved = QSettings().value(kGeometryKey).toByteArray();
    if (!saved.isEmpty()) window->restoreGeometry(saved);
    window->installEventFilter(new GeometryKeeper(window));
}

}  // namespace lineer::ui
