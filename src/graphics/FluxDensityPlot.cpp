#include "graphics/FluxDensityPlot.h"

#include "core/NumberText.h"
#include "engine/RunView.h"
#include "graphics/ChartStyle.h"
#include "graphics/DrawPalette.h"
#include "graphics/LegendedPlot.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/PainterOps.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace quelvan::graphics {

FluxDensityPlot::FluxDensityPlot()
    : chart_(NewScreenCurveChart())
{
    chart_.SetDeviceMapping(0, 0, 0, 0);
    chart_.XAxis().SetDivisionCount(kDivisions);
    chart_.XAxis().Build();
    chart_.SetAxisTitle(Coordinate::Y, "Dens. flux");
    chart_.SetAxisTitle(Coordinate::X, "Temps (h)");
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, "0");
    chart_.Curve(1).SetVisible(true);
    chart_.Curve(2).SetVisible(true);
    chart_.Curve(3).SetVisible(true);
    chart_.Curve(0).SetPenStyle(LineStyle::Solid);
    Update(0, {}, {});
}

void FluxDensityPlot::ShowRun(const RunView& run)
{
    Update(run.hours, run.Series(SeriesId::InteriorSurfaceFlux),
        run.Series(SeriesId::ExteriorSurfaceFlux));
}

void FluxDensityPlot::Update(
    int hourCount, std::span<const float> interior, std::span<const float> exterior)
{
    const int n = std::max(hourCount, 0);
    interior = interior.first(std::min(interior.size(), static_cast<size_t>(n)));
    exterior = exterior.first(std::min(exterior.size(), static_cast<size_t>(n)));
    double maxValue = 0.5;
    double minValue = -0.5;
    if (n >= 1) {
        auto extremes = [](std::span<const float> s) {
            if (s.empty())
                return std::pair { 0.0f, 0.0f };
            const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
            return std::pair { *lo, *hi };
        };
        const auto [inMin, inMax] = extremes(interior);
        const auto [exMin, exMax] = extremes(exterior);
        maxValue = std::max(inMax, exMax);
        minValue = std::min(inMin, exMin);
    }
    range_ = IntegerRangeRule(minValue, maxValue);
    const float top = static_cast<float>(range_.top);
    const float bottom = static_cast<float>(range_.bottom);
    const std::array<std::pair<int, std::span<const float>>, 2> curves { { { 1, interior },
        { 2, exterior } } };
    for (const auto& [index, series] : curves) {
        NShpPolyLine& curve = chart_.Curve(index);
        curve.SetDataRange(0.0f, bottom, static_cast<float>(n - 1), top);
        curve.SetPlotRectangle(chart_.PlotOrigin(), chart_.PlotCorner());
        curve.SetYValues(series);
        curve.SetXFromIndex();
    }
    NShpPolyLine& zero = chart_.Curve(0);
    zero.SetVisible(ZeroLineShown());
    if (zero.IsVisible()) {
        zero.SetDataRange(0.0f, bottom, 1.0f, top);
        zero.SetPlotRectangle(chart_.PlotOrigin(), chart_.PlotCorner());
        const std::array<float, 2> zeros { 0.0f, 0.0f };
        zero.SetYValues(zeros);
        zero.SetXFromIndex();
    }
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, FormatInt("%d", n - 1));
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::A, FloatText(range_.bottom));
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::B, FloatText(range_.top));
}

bool FluxDensityPlot::ZeroLineShown() const
{
    return range_.bottom < 0 && range_.top > 0;
}

void FluxDensityPlot::DrawPlot(QPainter& painter, int width, int height)
{
    chart_.SetDeviceMapping(0, 0, width, -height);
    FillBox(painter, { 0, 0, width, height }, style::PlotGround());
    chart_.Draw(painter);
}

std::vector<LegendEntry> FluxDensityPlot::Legend()
{
    return { { LegendEntry::Swatch::Line, PaletteQColor(kPaletteBlue), kInteriorLegend },
        { LegendEntry::Swatch::Line, PaletteQColor(kPaletteRed), kExteriorLegend } };
}

void FluxDensityPlot::Draw(QPainter& painter, const QRect& area)
{
    DrawOffScreen(painter, area, [this](QPainter& p, int w, int h) { DrawPlot(p, w, h); });
}

void FluxDensityPlot::Paint(QPainter& painter, QSize client, int legendHeight)
{
    PaintAboveLegend(
        painter, client, legendHeight, [this](QPainter& p, const QRect& area) { Draw(p, area); },
        Legend(), LegendLayout::Rows);
}

} // namespace quelvan::graphics
