#include "formbuild.h"

#include <QLabel>
#include <QPalette>

#include <algorithm>

#include "twips.h"

namespace lineer::ui {

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

QLabel* placedLabel(QWidget* container, const char* name, int left, int top, int width, int height) {
    auto* l = new QLabel(container);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(l, left, top, width, height);
    return l;
}

void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

int FittingIndicator::pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const {
    const int v = QProxyStyle::pixelMetric(m, o, w);
    if (m == PM_ExclusiveIndicatorHeight || m == PM_ExclusiveIndicatorWidth) return std::min(v, largest_);
    return v;
}

}  // namespace lineer::ui
