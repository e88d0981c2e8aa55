#include "fontfit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace lineer::ui {

namespace {

QString withoutTrailingSpaces(QString s) {
    while (!s.isEmpty() && s.back().isSpace()) s.chop(1);
    return s;
}

}  // namespace

bool textFits(const QWidget* w) {
    const QFontMetrics fm(w->font());
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        const QString t = withoutTrailingSpaces(l->text());
        if (l->wordWrap()) return l->heightForWidth(l->width()) <= l->height() &&
                                  fm.boundingRect(QRect(0, 0, l->width(), 10000), Qt::TextWordWrap, t).width() <=
                                      l->width();
        return fm.horizontalAdvance(t) <= l->width() && fm.height() <= l->height();
    }
    if (const auto* r = qobject_cast<const QRadioButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(r);
        const QStyle* st = r->style();
        const int indicator = st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &o, r) +
                              st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &o, r);
        return indicator + fm.horizontalAdvance(withoutTrailingSpaces(r->text())) <= r->width() &&
               fm.height() <= r->height();
    }
    if (const auto* b = qobject_cast<const QPushButton*>(w))
        return fm.horizontalAdvance(b->text()) + 8 <= b->width() && fm.height() + 4 <= b->height();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return fm.horizontalAdvance(e->text()) + 6 <= e->width() && fm.height() + 2 <= e->height();
    return true;
}

}  // namespace lineer::ui
