#pragma once
// A window that can grow: the client area keeps its controls where they
// stand and gives the extra room to one of them. Its size and position
// are kept from one run to the next.

#include <QWidget>

namespace lineer::ui {

// The client area. At `size` (its minimum and first size) every child
// stands where it was placed; a larger area moves nothing but the bottom
// and right edges of the stretching child, which keep their distance from
// the area's edges.
class GrowingForm : public QWidget {
    Q_OBJECT
public:
    GrowingForm(QSize size, QWidget* parent = nullptr);
    // Call once the child has its place at the first size.
    void setStretching(QWidget* child);
    QSize sizeHint() const override { return minimumSize(); }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* stretching_ = nullptr;
    QMargins toEdges_;
};

// Restores the window's last size and position from the settings, and
// saves them whenever it is closed. Nothing saved yet: the window keeps
// the size it has.
void rememberGeometry(QWidget* window);

}  // namespace lineer::ui
