#pragma once

#include "engine/annual/AnnualFigures.h"
#include "graphics/CChart.h"
#include "graphics/ChartLayout.h"
#include "graphics/Legend.h"
#include "graphics/RoundScale.h"

#include <QColor>
#include <QRect>
#include <span>
#include <string>
#include <vector>

class QPainter;

namespace quelvan::graphics {

class NShape;

// A chart of the year's twelve months on the project's curve chart: the X axis has a slot per
// month with the month's initial under it, the Y axis a round scale with every tick labelled
// and the unit as its title. The shapes a user adds are taken away again by Clear.
class MonthChart {
public:
    // Builds an empty chart with these layout constants (the screen's by default).
    explicit MonthChart(const ChartLayout& layout = ChartLayout {});

    // Fills the area's device rectangle with the grey ground and draws the chart over it.
    void Draw(QPainter& painter, const QRect& area);

    CChart& Chart() { return chart_; }
    const CChart& Chart() const { return chart_; }
    const RoundScale& Range() const { return range_; }

protected:
    // Empties the plot and sets the Y scale (round, holding low to high), unit and month slots
    // (slots of equal width, or of the months' lengths in days).
    void Prepare(double low, double high, const std::string& yTitle, bool slotsByDays);
    // World coordinates of data: x in months (or days), y in the range's units.
    int WorldX(double x) const;
    int WorldY(double y) const;
    void Keep(NShape& shape) { added_.push_back(&shape); }
    // A filled box from x0 to x1 and from y0 to y1 in data units.
    void AddBar(double x0, double x1, double y0, double y1, const QColor& colour);
    void Clear();

private:
    ChartLayout layout_;
    CChart chart_;
    RoundScale range_;
    std::string unit_; // the value axis' title
    double xSpan_ = 12.0;
    std::vector<NShape*> added_;
};

// The monthly heat balance: losses as bars up, gains as bars down, the steady-state estimate
// as a black bar across each month and the dynamic net as a dot.
class MonthlyBalancePlot : public MonthChart {
public:
    using MonthChart::MonthChart;
    static const QColor kLossColour;
    static const QColor kGainColour;

    void Show(const annual::BalanceTable& table);
    static std::vector<LegendEntry> Legend();
};

// The interior surface temperature over the year: the band of each day's minimum and maximum,
// the daily mean as a line and the 17 °C and 26 °C marks when they fall inside the range; the
// legend names the marks drawn only.
class YearSurfacePlot : public MonthChart {
public:
    using MonthChart::MonthChart;
    static const QColor kBandColour;

    void Show(std::span<const annual::HourRecord> hours);
    std::vector<LegendEntry> Legend() const;

private:
    bool showsWarm_ = false; // the 26 °C mark
    bool showsCold_ = false; // the 17 °C mark
};

} // namespace quelvan::graphics
