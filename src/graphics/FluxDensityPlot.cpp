#include "graphics/FluxDensityPlot.h"

#include "core/NumberText.h"
#include "engine/RunView.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/PainterOps.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>

namespace quelvan::graphics {

namespace {

const QColor kBackground(200, 200, 200);

} // namespace

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
    FillBox(painter, { 0, 0, width, height }, kBackground);
    chart_.Draw(painter);
}

void FluxDensityPlot::DrawLegend(QPainter& painter, int top, int height) const
{
    const QPen previousPen = painter.pen();
    const QFont previousFont = painter.font();
    painter.setPen(MakePen(PaletteColour(kPaletteBlue), LineStyle::Solid, 3));
    painter.drawLine(5, top + height / 4, 20, top + height / 4);
    painter.setPen(MakePen(PaletteColour(kPaletteRed), LineStyle::Solid, 3));
    painter.drawLine(5, top + height / 4 + height / 2, 20, top + height / 4 + height / 2);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(LegendFont());
    TextOutTopLeft(painter, 30, top, QString::fromUtf8(kInteriorLegend), Qt::black);
    TextOutTopLeft(painter, 30, top + height / 2, QString::fromUtf8(kExteriorLegend), Qt::black);
    painter.setFont(previousFont);
    painter.setPen(previousPen);
}

void FluxDensityPlot::Paint(QPainter& painter, QSize client, int legendHeight)
{
    const int legendTop = client.height() - legendHeight;
    const int w = client.width() - 2;
    const int h = legendTop - 2;
    if (w > 0 && h > 0) {
        // Drawn off-screen first so that hourly refreshes never show a half-drawn plot.
        QImage plot(w, h, QImage::Format_RGB32);
        QPainter plotPainter(&plot);
        DrawPlot(plotPainter, w, h);
        plotPainter.end();
        painter.drawImage(QPoint(1, 1), plot);
    }
    DrawLegend(painter, legendTop, legendHeight);
}

QFont FluxDensityPlot::LegendFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    font.setPixelSize(13);
    return font;
}

} // namespace quelvan::graphics
