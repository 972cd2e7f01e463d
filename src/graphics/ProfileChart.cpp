#include "graphics/ProfileChart.h"

#include "core/NumberText.h"
#include "engine/RunView.h"
#include "graphics/NShpPolyLine.h"

#include <algorithm>

namespace quelvan::graphics {

ProfileChart::ProfileChart()
    : chart_(TransformMode::Isotropic, 1000, 1000, true, true)
{
    chart_.SetAxisTitle(Coordinate::X, kXTitle);
    chart_.SetAxisTitle(Coordinate::Y, kYTitle);
    chart_.Curve(0).SetVisible(false);
    for (int curve : { kCurveMinimum, kCurveMaximum, kCurveCurrent })
        chart_.Curve(curve).SetVisible(true);
}

void ProfileChart::ShowRun(const RunView& run)
{
    if (!run.prepared)
        return;
    const auto labels = run.AbscissaLabels();
    SetAbscissa(labels[0], labels[1], run.nodes.x, run.totalThickness);
    SetProfiles(run.nodes.T, run.nodes.Tmin, run.nodes.Tmax, run.bounds.lower, run.bounds.upper);
}

void ProfileChart::SetAbscissa(const std::string& labelA, const std::string& labelB,
    std::span<const float> positions, float totalThickness)
{
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, labelA);
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, labelB);
    const int left = chart_.PlotOrigin().x;
    const int right = chart_.PlotCorner().x;
    columns_.clear();
    for (float x : positions) {
        // A wall without thickness has all its nodes on the left edge.
        const float share = totalThickness > 0.0f ? x / totalThickness : 0.0f;
        columns_.push_back(left + TruncatedCoordinate(static_cast<float>(right - left) * share));
    }
    for (int curve = 0; curve < CChart::kCurveCount; ++curve) {
        NShpPolyLine& line = chart_.Curve(curve);
        if (line.Points().size() < columns_.size())
            line.Points().resize(columns_.size());
        PlaceColumns(curve);
    }
}

void ProfileChart::SetProfiles(std::span<const float> current, std::span<const float> minimum,
    std::span<const float> maximum, float lowerBound, float upperBound)
{
    const std::pair<int, std::span<const float>> curves[]
        = { { kCurveMinimum, minimum }, { kCurveMaximum, maximum }, { kCurveCurrent, current } };
    for (const auto& [index, values] : curves) {
        NShpPolyLine& line = chart_.Curve(index);
        line.SetDataRange(0.0f, lowerBound, 1.0f, upperBound);
        line.SetPlotRectangle(chart_.PlotOrigin(), chart_.PlotCorner());
        line.SetYValues(values);
        PlaceColumns(index);
    }
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::A, FloatText(lowerBound));
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::B, FloatText(upperBound));
}

void ProfileChart::PlaceColumns(int curve)
{
    std::vector<FPoint>& points = chart_.Curve(curve).Points();
    const size_t n = std::min(points.size(), columns_.size());
    for (size_t i = 0; i < n; ++i)
        points[i].x = static_cast<float>(columns_[i]);
}

} // namespace quelvan::graphics
