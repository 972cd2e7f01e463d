#pragma once

#include "graphics/CChart.h"
#include "graphics/Geometry.h"

#include <QSize>
#include <string>
#include <vector>

class QPainter;

namespace quelvan::graphics {

// The preview of an ambiance's profile over its period in the ambiance dialog: a curve chart
// without axis titles on a 1000 × 1000 world, the time axis from "0" to the period's hours with
// 6 divisions for a day and 7 for a week, the profile as the red curve and the value axis'
// top and bottom labels. Its labels are a little larger than a screen chart's, so that they
// read in a preview a few centimetres wide.
class ProfilePreviewChart {
public:
    ProfilePreviewChart();

    // The plot rectangle the profile's points are placed in (world units, y upward).
    int Left() const { return chart_.PlotOrigin().x; }
    int Right() const { return chart_.PlotCorner().x; }
    int Bottom() const { return chart_.PlotOrigin().y; }
    int Top() const { return chart_.PlotCorner().y; }

    // The period (24 or 168 hours), the profile's points in world units and the value axis'
    // labels.
    void Show(
        int hours, std::vector<FPoint> points, const std::string& top, const std::string& bottom);
    // The chart on the grey ground filling an image of that size.
    void Draw(QPainter& painter, QSize size);

    const CChart& Chart() const { return chart_; }

private:
    CChart chart_;
};

} // namespace quelvan::graphics
