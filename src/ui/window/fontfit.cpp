#include "fontfit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

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

void chooseFormFont(QWidget* form, std::span<QLabel* const> headings) {
    // The captions were sized for a narrow 8-point font.
    QList<QWidget*> captions;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
            captions << w;
    auto apply = [form, headings](const QFont& f) {
        form->setFont(f);
        QFont heading = f;
        heading.setBold(true);
        heading.setUnderline(true);
        for (QLabel* h : headings) h->setFont(heading);
    };
    auto largestFitting = [&](QFont f) {
        for (int px = 12; px > 8; --px) {
            f.setPixelSize(px);
            apply(f);
            if (std::all_of(captions.begin(), captions.end(), [](QWidget* w) { return textFits(w); })) return px;
        }
        return 8;
    };
    QList<QFont> faces;
    if (QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Condensed"))) {
        QFont condensed;
        condensed.setFamily(QStringLiteral("DejaVu Sans Condensed"));
        faces << condensed;
    }
    faces << QApplication::font();
    QFont best;
    int bestPx = 0;
    for (const QFont& face : faces) {
        const int px = largestFitting(face);
        if (px > bestPx) {
            bestPx = px;
            best = face;
        }
    }
    best.setPixelSize(bestPx);
    apply(best);
}

void widenBoxes(std::initializer_list<QLineEdit*> boxes, const QWidget* frame) {
    // The room their labels leave is enough for ten digits.
    for (QLineEdit* box : boxes) {
        const QFontMetrics fm(box->font());
        const int width = fm.horizontalAdvance(QStringLiteral("0000000000")) + 10;
        const int right = std::max(box->geometry().right(), frame->width() - 6);
        box->setGeometry(right - width + 1, box->y(), width, box->height());
    }
}

}  // namespace lineer::ui
