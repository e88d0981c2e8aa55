#pragma once
// The About window: what the program is for, who wrote it and where to
// write. It has no owner and does not block the main window.

#include <QWidget>

namespace lineer::ui {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow();

protected:
    // A change of language sets the caption again.
    void changeEvent(QEvent* e) override;
};

// The address in the About window, set when the program is built.
QString contactEmail();

}  // namespace lineer::ui
