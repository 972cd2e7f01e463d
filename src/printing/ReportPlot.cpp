#include "printing/ReportPlot.h"

#include "core/NumberText.h"
#include "graphics/NShpPolyLine.h"

#include <algorithm>
#include <array>

namespace quelvan::printing {

using graphics::AxisEnd;
using graphics::CChart;
using graphics::ChartLayout;
using graphics::Coordinate;
using graphics::IntegerRange;
using graphics::NShpPolyLine;

namespace {

constexpr int kCurveZero = 0;
constexpr int kCurveBlack = 3;

std::unique_ptr<CChart> MakePrintChart()
{
    return std::make_unique<CChart>(
        graphics::TransformMode::Curve, 1000, 1000, true, true, PrintChartLayout());
}

} // namespace

ChartLayout PrintChartLayout()
{
    return { .labelHeight = 50, .tickLabelWidth = 160, .labelGapBelow = 2 };
}

IntegerRange PlotRange(std::span<const float> values)
{
    if (values.empty())
        return graphics::IntegerRangeRule(0.0, 0.0);
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    return graphics::IntegerRangeRule(*lo, *hi);
}

ReportPlot::ReportPlot(int xDivisions)
    : chart_(MakePrintChart())
{
    chart_->XAxis().SetDivisionCount(xDivisions);
    chart_->XAxis().Build();
    chart_->Curve(kCurveBlack).SetVisible(true);
}

ReportPlot::~ReportPlot() = default;

IntegerRange ReportPlot::Draw(QPainter& painter, const QRect& cell, const PlotContent& content)
{
    CChart& chart = *chart_;
    chart.SetDeviceMapping(cell.left(), cell.top(), cell.width(), -cell.height());
    chart.SetAxisTitle(Coordinate::X, content.xTitle);
    chart.SetEndLabel(Coordinate::X, AxisEnd::A, content.xLabelStart);
    chart.SetEndLabel(Coordinate::X, AxisEnd::B, content.xLabelEnd);
    chart.SetAxisTitle(Coordinate::Y, content.yTitle);

    const IntegerRange range = PlotRange(content.y);
    const auto bottom = static_cast<float>(range.bottom);
    const auto top = static_cast<float>(range.top);
    chart.SetEndLabel(Coordinate::Y, AxisEnd::A, FloatText(range.bottom));
    chart.SetEndLabel(Coordinate::Y, AxisEnd::B, FloatText(range.top));

    NShpPolyLine& curve = chart.Curve(kCurveBlack);
    curve.SetDataRange(0.0f, bottom, content.xMax, top);
    curve.SetPlotRectangle(chart.PlotOrigin(), chart.PlotCorner());
    curve.SetYValues(content.y);
    if (content.x.empty()) {
        curve.SetXFromIndex();
    } else {
        for (size_t i = 0; i < content.x.size(); ++i)
            curve.SetXValue(static_cast<int>(i), content.x[i]);
    }

    NShpPolyLine& zero = chart.Curve(kCurveZero);
    zero.SetVisible(content.zeroLineAllowed && bottom < -0.001f && top > 0.001f);
    if (zero.IsVisible()) {
        zero.SetDataRange(0.0f, bottom, content.xMax, top);
        zero.SetPlotRectangle(chart.PlotOrigin(), chart.PlotCorner());
        const std::array<float, 2> zeros { 0.0f, 0.0f };
        zero.SetYValues(zeros);
        zero.SetXValue(0, 0.0f);
        zero.SetXValue(1, content.xMax);
    }
    chart.Draw(painter);
    return range;
}

} // namespace quelvan::printing
