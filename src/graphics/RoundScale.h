#pragma once

#include <QRect>

#include <string>
#include <vector>

class QPainter;

namespace quelvan::graphics {

class CChart;
class NShape;

// A value axis that a reader takes in at a glance: a fixed number of equal divisions whose step
// is 1, 2, 2.5 or 5 times a power of ten, starting at a multiple of the step, every tick
// labelled. The charts of the year and of the wall comparison use it; the specified charts keep
// their integer end labels.
struct RoundScale {
    double bottom = -1.0;
    double top = 1.0;
    double step = 0.5;
    int divisions = 4;
    int decimals = 1; // that every tick's value needs

    double Tick(int i) const { return bottom + step * i; }
};

// The smallest round scale of that many divisions holding low to high (-1 to 1 around a single
// value or none).
RoundScale RoundScaleOf(double low, double high, int divisions = 4);
// The value of tick i as written beside it: the scale's decimals, never "-0".
std::string TickText(const RoundScale& scale, int i);
// Writes every tick's value beside the chart's Y axis, which must have the scale's divisions:
// its two end labels and new text shapes between them, given back so that they can be taken
// away again.
std::vector<NShape*> LabelYTicks(CChart& chart, const RoundScale& scale);
// Writes the value axis' unit ("kWh/m²") as its title in a strip along the top of the area, in
// the painter's font, where no tick value stands; gives the area left for the chart.
QRect DrawUnitTitle(QPainter& painter, const QRect& area, const std::string& unit);
// A study chart before it is filled: one division on the X axis, yDivisions on the value axis,
// no device yet, and no placeholder axis titles (the unit is written above the plot).
void PrepareStudyChart(CChart& chart, int yDivisions);
// The studies' charts in an area: the grey ground, the unit above, the chart in what is left.
// Nothing is drawn in an empty area; gives whether the chart was drawn.
bool DrawChartWithUnit(
    QPainter& painter, const QRect& area, CChart& chart, const std::string& unit);

} // namespace quelvan::graphics
