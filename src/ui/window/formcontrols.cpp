#include "formcontrols.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "textnum.h"

namespace lineer::ui {

namespace {

QString mapped(QString text, const QString& decimal) {
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    if (decimal == QLatin1String(",")) text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

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

}  // namespace

bool readsAsTyped(const QString& text, const QString& decimal) {
    static const QRegularExpression whole(QStringLiteral(
        R"(^(?:[+-]?(?:\d+\.?\d*|\.\d+)(?:[EeDd][+-]?\d+)?|&[Hh][0-9A-Fa-f]+|&[Oo][0-7]+)$)"));
    return whole.match(mapped(text, decimal)).hasMatch();
}

void markReading(QLineEdit* box, const QString& decimal) {
    const QPalette normal = box->palette();
    auto update = [box, decimal, normal] {
        const QString text = box->text();
        if (readsAsTyped(text, decimal)) {
            box->setPalette(normal);
            box->setToolTip({});
            return;
        }
        const double v = boxNumber(text.toStdString(), decimal.toStdString());
        QString shown = QString::number(v, 'g', 15);
        shown.replace(QLatin1Char('.'), decimal);
        QPalette p = normal;
        p.setColor(QPalette::Base, QColor(255, 214, 204));
        box->setPalette(p);
        box->setToolTip(QString::fromUtf8(kReadingTip) + shown);
    };
    QObject::connect(box, &QLineEdit::textChanged, box, update);
    update();
}

void pressOnEnter(QPushButton* button) { button->installEventFilter(new EnterPresses(button)); }

}  // namespace lineer::ui
