#include "aboutwindow.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

#include "appicon.h"
#include "fontfit.h"
#include "twips.h"
#include "uitext.h"

#ifndef LINEER_CONTACT_EMAIL
#define LINEER_CONTACT_EMAIL "lineer@example.org"
#endif

namespace lineer::ui {

QString contactEmail() { return QStringLiteral(LINEER_CONTACT_EMAIL); }

namespace {

struct LabelDef {
    const char* name;
    QString text;
    int left, top, width, height;  // twips
    double points;
    QColor colour;  // invalid: the default
    bool centred;
};

// One text of the window, on the window's own background.
QLabel* aboutLabel(QWidget* window, const LabelDef& s) {
    auto* l = new QLabel(s.text, window);
    l->setObjectName(QLatin1String(s.name));
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    l->setGeometry(twips(s.left), twips(s.top), twips(s.width), twips(s.height));
    if (s.centred) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    } else {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QPalette lp = l->palette();
    lp.setColor(QPalette::Window, QColor(255, 255, 192));
    if (s.colour.isValid()) lp.setColor(QPalette::WindowText, s.colour);
    l->setPalette(lp);
    l->setAutoFillBackground(true);
    return l;
}

// Sets the labels' fonts; `points` holds each label's size in points.
void fitFonts(const QList<QLabel*>& labels, const QList<double>& points) {
    // Verdana where it is present, else the nearest sans serif; the sizes
    // shrink together until every text fits its label.
    const QStringList families{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                               QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Sans Serif")};
    // Counted in whole steps: 1.0 less 0.05 eight times in a row ends just
    // below 0.6 and would never try it.
    for (int step = 0; step <= 8; ++step) {
        const double factor = (20 - step) / 20.0;
        for (int i = 0; i < labels.size(); ++i) {
            QFont f;
            f.setFamilies(families);
            f.setWeight(QFont::Normal);
            f.setPointSizeF(points[i] * factor);
            labels[i]->setFont(f);
        }
        if (std::all_of(labels.begin(), labels.end(), [](QWidget* w) { return textFits(w); })) break;
    }
}

}  // namespace

AboutWindow::AboutWindow() : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form_About"));
    // The caption names the version; the labels stay as they are.
    setWindowTitle(uiFormat(Text::AboutTitle, LINEER_VERSION));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(3600), twips(2760));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(pal);
    setAutoFillBackground(true);

    const LabelDef texts[] = {
        {"Label2", QStringLiteral("A program for solving linear equation systems"), 600, 360, 2415, 615, 9.75,
         QColor(0, 128, 0), true},
        {"Label7", QStringLiteral("Developed by the lineer developers"), 600, 1080, 2535, 255, 8.25, QColor(), false},
        {"Label8", QStringLiteral("Last modified : 15.10 2007"), 480, 1560, 2895, 255, 8.25, QColor(), false},
        {"Label4", QStringLiteral("For comments and questions e-mail to"), 240, 2040, 3375, 255, 8.25, QColor(),
         false},
        {"Label5", contactEmail(), 960, 2280, 1935, 255, 8.25, QColor(0, 0, 255), false},
    };
    QList<QLabel*> labels;
    QList<double> points;
    for (const LabelDef& s : texts) {
        labels << aboutLabel(this, s);
        points << s.points;
    }
    fitFonts(labels, points);
}

void AboutWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) setWindowTitle(uiFormat(Text::AboutTitle, LINEER_VERSION));
    QWidget::changeEvent(e);
}

}  // namespace lineer::ui
