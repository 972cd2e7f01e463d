#include "graphics/NShpPolyLine.h"

#include "graphics/PainterOps.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace quelvan::graphics {

namespace {
constexpr float kRoundingBias = 5e-7f;
}

NShpPolyLine::NShpPolyLine()
    : NShape(ShapeType::PolyLine)
{
}

void NShpPolyLine::Draw(QPainter& painter, const CDrawTransform& transform) const
{
    const int count = static_cast<int>(points_.size());
    if (!IsVisible() || count < 2)
        return;
    const int last = std::min(endIndex_, count);
    const int first = std::max(firstIndex_, 0);
    if (first >= count)
        return;
    if (HasPen())
        painter.setPen(ShapePen());
    QPolygon polygon;
    polygon.reserve(std::max(last - first, 1));
    // World coordinates are truncated to whole world units before mapping.
    auto mapped = [&](const FPoint& p) {
        const IPoint device = transform.WorldToDevice(
            IPoint { TruncatedCoordinate(p.x), TruncatedCoordinate(p.y) });
        return QPoint(device.x, device.y);
    };
    polygon << mapped(points_[static_cast<size_t>(first)]);
    for (int i = first + 1; i < last; ++i)
        polygon << mapped(points_[static_cast<size_t>(i)]);
    if (polygon.size() >= 2)
        painter.drawPolyline(polygon);
    if (HasPen())
        SelectStockObjects(painter);
}

void NShpPolyLine::SetDataRange(float xMin, float yMin, float xMax, float yMax)
{
    dataTransform_.SetWorldOrigin(xMin, yMin);
    dataTransform_.SetWorldExtent(xMax - xMin, yMax - yMin);
    dataTransform_.Recompute();
}

void NShpPolyLine::SetPlotRectangle(IPoint origin, IPoint corner)
{
    dataTransform_.SetDeviceOrigin(origin.x, origin.y);
    dataTransform_.SetDeviceExtent(corner.x - origin.x, corner.y - origin.y);
    dataTransform_.Recompute();
}

void NShpPolyLine::SetYValues(std::span<const float> values)
{
    points_.resize(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        points_[i].y = dataTransform_.WorldToDeviceF(Coordinate::Y, values[i]) + kRoundingBias;
    firstIndex_ = 0;
    endIndex_ = static_cast<int>(points_.size());
}

void NShpPolyLine::SetXFromIndex()
{
    for (size_t i = 0; i < points_.size(); ++i)
        points_[i].x = dataTransform_.WorldToDeviceF(Coordinate::X, static_cast<float>(i));
}

void NShpPolyLine::SetXValue(int index, float x)
{
    if (index < 0 || index >= static_cast<int>(points_.size()))
        return;
    points_[static_cast<size_t>(index)].x
        = dataTransform_.WorldToDeviceF(Coordinate::X, x) + kRoundingBias;
}

} // namespace quelvan::graphics
