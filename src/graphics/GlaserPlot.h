#pragma once

#include "engine/moisture/GlaserDiagram.h"
#include "graphics/AnnualBalancePlots.h"
#include "graphics/CChart.h"
#include "graphics/ChartLayout.h"
#include "graphics/RoundScale.h"

#include <QColor>
#include <QRect>
#include <vector>

class QPainter;

namespace quelvan::graphics {

class NShape;

// The Glaser diagram of one month on the project's curve chart: the layers to scale along the
// X axis (s_d or thickness) as bands numbered from the exterior, the saturation pressure (red),
// the partial pressure (blue) through the faces and interfaces, and each interface that holds
// or exchanges water marked with a dot and the month's amount.
class GlaserPlot {
public:
    static const QColor kSaturationColour;
    static const QColor kPressureColour;
    static const QColor kCondensationColour;

    explicit GlaserPlot(const ChartLayout& layout = ChartLayout {});

    void Show(const moisture::DiagramData& data);
    // Fills the area with the grey ground and draws the chart.
    void Draw(QPainter& painter, const QRect& area);
    std::vector<LegendEntry> Legend() const;

    const CChart& Chart() const { return chart_; }
    const RoundScale& PressureScale() const { return range_; }

private:
    int WorldX(double x) const;
    int WorldY(double y) const;
    void Clear();
    void AddLayers(const moisture::DiagramData& data);
    void AddXTicks(double length);
    void AddCondensing(const moisture::DiagramData& data);
    void Keep(NShape& shape) { added_.push_back(&shape); }

    ChartLayout layout_;
    CChart chart_;
    RoundScale range_;
    double xSpan_ = 1.0;
    bool showsCondensing_ = false;
    std::vector<NShape*> added_;
};

} // namespace quelvan::graphics
