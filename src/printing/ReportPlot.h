#pragma once

#include "graphics/CChart.h"
#include "graphics/ChartLayout.h"

#include <QRect>
#include <span>
#include <string>

class QPainter;

namespace quelvan::printing {

// What one printed plot shows: axis titles, the X end labels and the curve. The data run from
// x = 0 to xMax; the points sit at their index unless explicit abscissae are given.
struct PlotContent {
    std::string xTitle;
    std::string xLabelStart;
    std::string xLabelEnd;
    std::string yTitle;
    std::span<const float> y;
    std::span<const float> x; // empty: point i at x = i
    float xMax = 1.0f;
    bool zeroLineAllowed = true; // the dotted zero line when the range straddles 0
};

// The Y range of a plot: the data extremes rounded outward to whole units (both 0 for no data).
graphics::IntegerRange PlotRange(std::span<const float> values);

// The chart of the printed plots: one CChart serves every plot of a page, on the print layout
// (labels 50 units high, 2 units below the ticks, end labels 160 wide); the screen's charts keep
// theirs.
// The layout of every printed chart: labels 50 units high, 2 below the ticks, end labels 160
// wide.
graphics::ChartLayout PrintChartLayout();

class ReportPlot {
public:
    explicit ReportPlot(int xDivisions);
    ~ReportPlot();
    ReportPlot(const ReportPlot&) = delete;
    ReportPlot& operator=(const ReportPlot&) = delete;

    // Maps the chart onto the cell (device units of the painter), labels it, hands the black
    // curve its data and draws it. Returns the Y range used.
    graphics::IntegerRange Draw(QPainter& painter, const QRect& cell, const PlotContent& content);

    graphics::CChart& Chart() { return *chart_; }

private:
    std::unique_ptr<graphics::CChart> chart_;
};

} // namespace quelvan::printing
