#pragma once

#include "graphics/ChartStyle.h"
#include "graphics/FluxDensityPlot.h"

#include <QWidget>

namespace quelvan {
struct RunView;
}

namespace quelvan::ui {

// "Densités de flux de surface au cours du temps": the interior and exterior surface flux
// densities of every hour computed so far, above a legend strip. Refresh requests only mark
// the window for repainting, so a backlog of requests collapses into one redraw.
class FluxDensityWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLegendHeight = graphics::style::kFluxLegendHeight;

    // run is the engine's live view of the run, which must outlive the window.
    FluxDensityWindow(const RunView& run, QWidget* parent);

    // Takes the hours computed so far and schedules one repaint.
    void Refresh();
    int HourCount() const { return hours_; }
    // The window's row of the zero line; -1 when the range does not cross 0.
    int ZeroLineY() const;
    const graphics::FluxDensityPlot& Plot() const { return plot_; }

signals:
    // The user closed the window; the view destroys it.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const RunView& run_;
    graphics::FluxDensityPlot plot_;
    int hours_ = 0;
};

} // namespace quelvan::ui
