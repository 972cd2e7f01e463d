#include "graphics/PeriodicResponsePlot.h"

#include "core/NumberText.h"
#include "engine/DynamicCharacteristics.h"
#include "engine/DynamicCharacteristicsText.h"
#include "graphics/ChartStyle.h"
#include "graphics/DrawPalette.h"
#include "graphics/LegendedPlot.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/PainterOps.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quelvan::graphics {

namespace {

constexpr int kCurveZero = 0;
constexpr int kCurveFlux = 1; // blue
constexpr int kCurveTemperature = 2; // red

std::vector<float> Floats(const std::vector<double>& values)
{
    return { values.begin(), values.end() };
}

} // namespace

PeriodicResponsePlot::PeriodicResponsePlot()
    : chart_(NewScreenCurveChart())
{
    chart_.SetDeviceMapping(0, 0, 0, 0);
    chart_.XAxis().SetDivisionCount(kDivisions);
    chart_.XAxis().Build();
    // An even count puts a tick on the zero line of the symmetric scale.
    chart_.YAxis().SetDivisionCount(4);
    chart_.YAxis().Build();
    chart_.SetAxisTitle(Coordinate::X, "Temps (h)");
    chart_.SetAxisTitle(Coordinate::Y, "K, W/m²");
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, "0");
    Clear();
}

void PeriodicResponsePlot::Clear()
{
    for (int curve = 0; curve < CChart::kCurveCount; ++curve)
        chart_.Curve(curve).SetVisible(false);
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, "");
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::A, "");
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::B, "");
    temperatureLegend_.clear();
    fluxLegend_.clear();
}

void PeriodicResponsePlot::Show(const DynamicCharacteristics& values)
{
    const PeriodicResponse response = ComputePeriodicResponse(values, kPoints, kExteriorAmplitude);
    // One symmetric scale in whole units that holds both waves.
    bound_ = std::max(
        1, static_cast<int>(std::ceil(kExteriorAmplitude * std::max(1.0, values.y12) - 1e-9)));
    const auto top = static_cast<float>(bound_);
    const auto period = static_cast<float>(values.periodHours);
    const std::array<std::pair<int, std::vector<float>>, 2> waves { {
        { kCurveTemperature, Floats(response.exteriorTemperature) },
        { kCurveFlux, Floats(response.interiorFlux) },
    } };
    for (const auto& [index, wave] : waves) {
        NShpPolyLine& curve = chart_.Curve(index);
        curve.SetVisible(true);
        curve.SetDataRange(0.0f, -top, period, top);
        curve.SetPlotRectangle(chart_.PlotOrigin(), chart_.PlotCorner());
        curve.SetYValues(wave);
        for (size_t i = 0; i < response.hours.size(); ++i)
            curve.SetXValue(static_cast<int>(i), static_cast<float>(response.hours[i]));
    }
    NShpPolyLine& zero = chart_.Curve(kCurveZero);
    zero.SetVisible(true);
    zero.SetDataRange(0.0f, -top, 1.0f, top);
    zero.SetPlotRectangle(chart_.PlotOrigin(), chart_.PlotCorner());
    const std::array<float, 2> zeros { 0.0f, 0.0f };
    zero.SetYValues(zeros);
    zero.SetXFromIndex();
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, DynamicPeriodText(values.periodHours));
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::A, FloatText(-top));
    chart_.SetEndLabel(Coordinate::Y, AxisEnd::B, FloatText(top));
    temperatureLegend_ = "Température de l'air extérieur, écart à la moyenne : ± "
        + TrimTrailingZeros(DynamicNumberText(kExteriorAmplitude, false)) + " K";
    fluxLegend_ = "Flux entrant dans la pièce : ± "
        + DynamicNumberText(kExteriorAmplitude * values.y12, false) + " W/m², en retard de "
        + DynamicNumberText(values.shiftHours, true) + " h";
}

void PeriodicResponsePlot::Draw(QPainter& painter, const QRect& area)
{
    DrawOffScreen(painter, area, [this](QPainter& p, int w, int h) {
        chart_.SetDeviceMapping(0, 0, w, -h);
        FillBox(p, { 0, 0, w, h }, style::PlotGround());
        chart_.Draw(p);
    });
}

std::vector<LegendEntry> PeriodicResponsePlot::Legend() const
{
    return { { LegendEntry::Swatch::Line, PaletteQColor(kPaletteRed), temperatureLegend_ },
        { LegendEntry::Swatch::Line, PaletteQColor(kPaletteBlue), fluxLegend_ } };
}

void PeriodicResponsePlot::Paint(QPainter& painter, QSize client, int legendHeight)
{
    PaintAboveLegend(
        painter, client, legendHeight, [this](QPainter& p, const QRect& area) { Draw(p, area); },
        Legend(), LegendLayout::Rows);
}

} // namespace quelvan::graphics
