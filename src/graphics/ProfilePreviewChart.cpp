#include "graphics/ProfilePreviewChart.h"

#include "core/Calendar.h"
#include "core/NumberText.h"
#include "graphics/ChartStyle.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/PainterOps.h"

#include <QPainter>

namespace quelvan::graphics {

namespace {

constexpr int kProfileCurve = 2; // red

constexpr ChartLayout kPreviewLayout { .labelHeight = 150, .tickLabelWidth = 150 };

} // namespace

ProfilePreviewChart::ProfilePreviewChart()
    : chart_(TransformMode::Curve, 1000, 1000, false, false, kPreviewLayout)
{
    chart_.Curve(kProfileCurve).SetVisible(true);
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, "0");
}

void ProfilePreviewChart::Show(
    int hours, std::vector<FPoint> points, const std::string& top, const std::string& bottom)
{
    chart_.XAxis().SetDivisionCount(hours > kHoursPerDay ? 7 : 6);
    chart_.XAxis().Build();
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, "0");
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, FormatInt("%d", hours));
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::A, bottom);
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::B, top);
    NShpPolyLine& curve = chart_.Curve(kProfileCurve);
    const int count = static_cast<int>(points.size());
    curve.Points() = std::move(points);
    curve.SetFirstIndex(0);
    curve.SetEndIndex(count);
}

void ProfilePreviewChart::Draw(QPainter& painter, QSize size)
{
    FillBox(painter, { 0, 0, size.width(), size.height() }, style::PlotGround());
    chart_.SetDeviceMapping(0, 0, size.width(), -size.height());
    chart_.Draw(painter);
}

} // namespace quelvan::graphics
