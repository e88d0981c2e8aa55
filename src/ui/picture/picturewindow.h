#pragma once
// The picture window: the picture box's drawing at the window's size, with
// the colour map's scale and row and column numbers, or the convergence
// plot's axes. It follows the box as it is drawn.

#include <QWidget>

#include <string>

namespace lineer::ui {

class PictureBox;

class PictureWindow : public QWidget {
    Q_OBJECT
public:
    PictureWindow(PictureBox& box, std::string decimal, QWidget* parent = nullptr);
    // The size it opens at: three times the picture box, about.
    QSize sizeHint() const override;
    void retranslate();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    PictureBox& box_;
    std::string decimal_;
};

}  // namespace lineer::ui
