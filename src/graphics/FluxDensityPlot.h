#pragma once

#include "graphics/CChart.h"
#include "graphics/ChartLayout.h"

#include "graphics/Legend.h"

#include <QRect>
#include <QSize>
#include <span>
#include <vector>

class QPainter;

namespace quelvan {
struct RunView;
}

namespace quelvan::graphics {

// The surface flux-density plot of the curve window: interior (blue) and exterior (red)
// surface flux densities against the hour for every hour computed so far, with a dotted zero
// line when the range straddles 0, and a legend strip under the plot. It holds no window: the
// window (or an image export) asks it to update from the series and to draw.
class FluxDensityPlot {
public:
    static constexpr const char* kWindowTitle = "Densités de flux de surface au cours du temps";
    static constexpr const char* kInteriorLegend = "Densité de flux intérieur (W/m²)";
    static constexpr const char* kExteriorLegend = "Densité de flux extérieur (W/m²)";
    static constexpr int kDivisions = 7;

    // Builds the chart on the screen's layout.
    FluxDensityPlot();

    // Ranges, curves, zero line and labels for n computed hours; each series holds at least
    // the values of hours 0 .. n-1 (extra values are ignored, missing ones shorten the curve).
    void Update(int hourCount, std::span<const float> interior, std::span<const float> exterior);
    // The same from the surface flux series of a calculation.
    void ShowRun(const RunView& run);

    // Fills a plot of w by h device units at the painter's origin with the grey background and
    // draws the chart over it.
    void DrawPlot(QPainter& painter, int width, int height);
    // The plot drawn into the device rectangle (through an image of its size).
    void Draw(QPainter& painter, const QRect& area);
    // The interior (blue) and exterior (red) lines.
    static std::vector<LegendEntry> Legend();
    // The whole client area as the window shows it: the plot one unit in from the top-left
    // corner, above a legend strip of legendHeight units at the bottom.
    void Paint(QPainter& painter, QSize client, int legendHeight);

    IntegerRange Range() const { return range_; }
    bool ZeroLineShown() const;
    CChart& Chart() { return chart_; }
    const CChart& Chart() const { return chart_; }

private:
    CChart chart_;
    IntegerRange range_ { -1, 1 };
};

} // namespace quelvan::graphics
