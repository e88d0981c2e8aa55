#pragma once
// The picture window: the picture box's drawing at the window's size, with
// the colour map's scale and row and column numbers, or the convergence
// plot's axes and title (on a logarithmic axis when asked); or one of the
// plots of the loaded system, chosen above the drawing. It follows the box
// as it is drawn.

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

#include "plots.h"

class QCheckBox;
class QComboBox;

namespace lineer::ui {

class PictureBox;

class PictureWindow : public QWidget {
    Q_OBJECT
public:
    // Computes a plot of the system loaded now, with the boxes as they
    // are.
    using PlotSource = std::function<plots::Result(plots::Kind)>;

    PictureWindow(PictureBox& box, std::string decimal, QWidget* parent = nullptr);
    // The size it opens at: three times the picture box, about.
    QSize sizeHint() const override;
    void retranslate();

    void setPlotSource(PlotSource source) { source_ = std::move(source); }
    // Shows the plot, computed afresh.
    void showPlot(plots::Kind kind);
    // What is shown: none for the picture box's drawing.
    std::optional<plots::Kind> shown() const { return shown_; }
    // The plot shown, or why there is none; empty for the picture box.
    const plots::Result& plot() const { return plot_; }
    // Whether the picture box's convergence plot has a logarithmic axis.
    bool logScale() const;

private:
    friend class DrawingArea;
    void choose(int index);
    void compute();
    void paintDrawing(QPainter& p, const QRectF& area) const;

    PictureBox& box_;
    std::string decimal_;
    PlotSource source_;
    std::optional<plots::Kind> shown_;
    plots::Result plot_;
    QComboBox* choice_ = nullptr;
    QCheckBox* log_ = nullptr;
    QWidget* area_ = nullptr;
};

}  // namespace lineer::ui
