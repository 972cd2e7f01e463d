#pragma once

#include "graphics/AnnualBalancePlots.h"
#include "graphics/CChart.h"
#include "graphics/ChartLayout.h"
#include "graphics/Legend.h"
#include "graphics/RoundScale.h"

#include <QColor>
#include <QRect>
#include <string>
#include <vector>

class QPainter;

namespace quelvan::graphics {

// One hourly quantity of several walls over the same week, laid over one another on the curve
// chart: the hours 0 to 168 along X with a tick each day, a round scale holding every curve along
// Y with each tick labelled, a dotted zero line when the range straddles 0, and each wall's curve
// in its own colour, drawn two pixels wide so that the walls stand apart.
class WeekOverlayPlot {
public:
    struct Curve {
        std::string name; // the legend's text
        QColor colour;
        std::vector<float> values; // hour 0, 1, 2, ...
    };

    // The Y axis' title ("Tsi (°C)").
    explicit WeekOverlayPlot(const std::string& yTitle);

    // Replaces the curves; the range follows them (-1 to 1 without any).
    void Show(std::vector<Curve> curves);
    // Fills the area with the grey ground, draws the chart and the curves over it.
    void Draw(QPainter& painter, const QRect& area);
    // One line swatch per curve, in its colour.
    std::vector<LegendEntry> Legend() const;

    const std::vector<Curve>& Curves() const { return curves_; }
    const RoundScale& Range() const { return range_; }
    CChart& Chart() { return chart_; }

private:
    float WorldX(double hour) const;
    float WorldY(double value) const;

    CChart chart_;
    std::string unit_; // the value axis' title, above the plot
    std::vector<Curve> curves_;
    RoundScale range_;
    std::vector<NShape*> tickLabels_; // the scale's labels between the end labels
};

} // namespace quelvan::graphics
