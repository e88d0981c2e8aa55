#include "userdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include "handoutdialogs.h"
#include "savedialogs.h"

namespace lineer::ui {

namespace {

// A short message would make the box narrower than its title, which the
// window manager then cuts: the box takes the width of the title in bold,
// with room for the title bar's buttons.
void fitTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 160;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

void ModalDialogs::message(QWidget* window, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, window->windowTitle(), text, QMessageBox::Ok, window);
    fitTitle(box);
    // No wait cursor over the box while the user reads it.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
}

QString ModalDialogs::path(QWidget* window, const QString& title, const QString& start, const QString& filter,
                           bool save) {
    return save ? QFileDialog::getSaveFileName(window, title, start, filter)
                : QFileDialog::getOpenFileName(window, title, start, filter);
}

bool ModalDialogs::question(QWidget* window, const QString& question) { return confirmLongPrint(window, question); }

std::optional<QSize> ModalDialogs::pictureSize(QWidget* window, QSize box, bool svg) {
    return choosePictureSize(window, box, svg);
}

}  // namespace lineer::ui
