#include "graphics/WeekOverlayPlot.h"

#include "core/NString.h"
#include "core/NumberText.h"
#include "engine/RunView.h"
#include "graphics/ChartStyle.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpPolyLine.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace quelvan::graphics {

namespace {

constexpr int kZeroLine = 0;
constexpr int kDays = kRunHours / 24;
constexpr qreal kCurveWidth = 2.0;
constexpr int kYDivisions = 4;

} // namespace

WeekOverlayPlot::WeekOverlayPlot(const std::string& yTitle)
    : chart_(NewScreenCurveChart())
    , unit_(yTitle)
{
    chart_.SetDeviceMapping(0, 0, 0, 0);
    chart_.XAxis().SetDivisionCount(kDays);
    chart_.XAxis().Build();
    chart_.YAxis().SetDivisionCount(kYDivisions);
    chart_.YAxis().Build();
    chart_.SetAxisTitle(Coordinate::X, "Temps (h)");
    // The unit is written above the plot (DrawUnitTitle), not where a value would stand.
    chart_.SetAxisTitle(Coordinate::Y, "");
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, "0");
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, NString::FromInt(kRunHours).Str());
    Show({});
}

float WeekOverlayPlot::WorldX(double hour) const
{
    const IPoint o = chart_.PlotOrigin();
    const IPoint c = chart_.PlotCorner();
    return static_cast<float>(o.x + (c.x - o.x) * hour / kRunHours);
}

float WeekOverlayPlot::WorldY(double value) const
{
    const IPoint o = chart_.PlotOrigin();
    const IPoint c = chart_.PlotCorner();
    const double span = std::max(range_.top - range_.bottom, 1e-9);
    return static_cast<float>(o.y + (c.y - o.y) * (value - range_.bottom) / span);
}

void WeekOverlayPlot::Show(std::vector<Curve> curves)
{
    curves_ = std::move(curves);
    bool any = false;
    float low = 0.0f, high = 0.0f;
    for (const Curve& curve : curves_) {
        for (const float v : curve.values) {
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
    }
    range_ = RoundScaleOf(any ? low : 0.0, any ? high : 0.0, kYDivisions);
    for (const NShape* label : tickLabels_)
        chart_.RemoveShape(label);
    tickLabels_ = LabelYTicks(chart_, range_);
    NShpPolyLine& zero = chart_.Curve(kZeroLine);
    zero.SetVisible(range_.bottom < 0 && range_.top > 0);
    zero.Points() = { { WorldX(0), WorldY(0) }, { WorldX(kRunHours), WorldY(0) } };
    zero.SetFirstIndex(0);
    zero.SetEndIndex(2);
}

void WeekOverlayPlot::Draw(QPainter& painter, const QRect& area)
{
    if (!DrawChartWithUnit(painter, area, chart_, unit_))
        return;
    // The walls' curves over the chart, in device units: the chart's own curves are one pixel.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const Curve& curve : curves_) {
        QPolygonF line;
        for (std::size_t h = 0; h < curve.values.size(); ++h)
            line << QPointF(
                chart_.Transform().WorldToDeviceF(Coordinate::X, WorldX(static_cast<double>(h))),
                chart_.Transform().WorldToDeviceF(Coordinate::Y, WorldY(curve.values[h])));
        painter.setPen(QPen(curve.colour, kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
    }
    painter.restore();
}

std::vector<LegendEntry> WeekOverlayPlot::Legend() const
{
    std::vector<LegendEntry> entries;
    for (const Curve& curve : curves_)
        entries.push_back({ LegendEntry::Swatch::Line, curve.colour, curve.name });
    return entries;
}

} // namespace quelvan::graphics
