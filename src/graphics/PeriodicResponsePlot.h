#pragma once

#include "graphics/CChart.h"
#include "graphics/Legend.h"

#include <QRect>
#include <QSize>
#include <string>
#include <vector>

class QPainter;

namespace quelvan {
struct DynamicCharacteristics;
}

namespace quelvan::graphics {

// The periodic response of a wall over one period: the exterior air temperature wave (red,
// about its mean, peaking at hour 0) and the heat-flux density it drives into the room through
// the interior surface (blue, damped by the decrement and late by the time shift), on one
// symmetric scale with a dotted zero line, above a legend strip.
class PeriodicResponsePlot {
public:
    // An exterior swing of ±10 K, a summer day's: the flux then reads in W/m² of such a day.
    static constexpr double kExteriorAmplitude = 10.0;
    static constexpr int kPoints = 96;
    static constexpr int kDivisions = 12;

    // Builds an empty plot on the screen's layout.
    PeriodicResponsePlot();

    // The two waves of these characteristics over their period.
    void Show(const DynamicCharacteristics& values);
    // No wall to show: both waves hidden.
    void Clear();

    // The whole area: the plot on a grey ground one unit in from the top-left corner, above a
    // legend strip of legendHeight units at the bottom.
    void Paint(QPainter& painter, QSize client, int legendHeight);

    // The Y axis runs from -Bound() to Bound().
    int Bound() const { return bound_; }
    // The legend lines of the exterior temperature and the interior flux, with their
    // amplitudes and the flux's delay; empty when nothing is shown.
    const std::string& TemperatureLegend() const { return temperatureLegend_; }
    const std::string& FluxLegend() const { return fluxLegend_; }
    CChart& Chart() { return chart_; }
    const CChart& Chart() const { return chart_; }

    // The plot drawn into the device rectangle (through an image of its size).
    void Draw(QPainter& painter, const QRect& area);
    // The temperature (red) and flux (blue) lines; their texts are empty when nothing is shown.
    std::vector<LegendEntry> Legend() const;

private:
    CChart chart_;
    int bound_ = 1;
    std::string temperatureLegend_;
    std::string fluxLegend_;
};

} // namespace quelvan::graphics
