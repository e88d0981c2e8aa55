#include "formcontrols.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <string>

#include "numformat.h"
#include "textnum.h"
#include "texts.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        const auto mods = k->modifiers() & ~Qt::KeypadModifier;
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) || mods != Qt::NoModifier) return false;
        static_cast<QPushButton*>(watched)->animateClick();
        return true;
    }
};

// The tooltip of a marked box: the value in the report's general form.
QString readingTip(double value, const QString& decimal) {
    // Enough decimals that only the 15 significant digits limit the text.
    constexpr int kDecimals = 80;
    std::string shown;
    if (std::isfinite(value))
        shown = formatRounded(value, kDecimals, decimal.toStdString());
    else
        shown = value > 0 ? text(Text::Infinity) : text(Text::MinusInfinity);
    return QString::fromStdString(format(Text::ValueUsed, shown));
}

}  // namespace

void markReading(QLineEdit* box, const QString& decimal, Reading kind) {
    const QPalette normal = box->palette();
    auto update = [box, decimal, normal, kind] {
        const BoxReading reading = readBox(box->text().toStdString(), decimal.toStdString());
        // A limit below 1 runs no sweep at all, however it was typed.
        const bool noSweep = kind == Reading::IterationLimit && reading.value < 1;
        if (reading.whole && !noSweep) {
            box->setPalette(normal);
            box->setToolTip({});
            return;
        }
        QPalette p = normal;
        p.setColor(QPalette::Base, QColor(255, 214, 204));
        box->setPalette(p);
        QString tip = readingTip(reading.value, decimal);
        if (noSweep) tip += QLatin1Char('\n') + uiText(Text::NoSweepNote);
        box->setToolTip(tip);
    };
    QObject::connect(box, &QLineEdit::textChanged, box, update);
    update();
}

void pressOnEnter(QPushButton* button) { button->installEventFilter(new EnterPresses(button)); }

}  // namespace lineer::ui
