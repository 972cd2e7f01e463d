#include "graphics/GlaserPlot.h"

#include "core/NumberText.h"
#include "engine/moisture/MoistureText.h"
#include "graphics/ChartStyle.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpDisk.h"
#include "graphics/NShpLine.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/NShpRectangle.h"
#include "graphics/NShpText.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quelvan::graphics {

namespace {

constexpr int kYDivisions = 4;
constexpr int kXDivisions = 5;
constexpr int kLeastNumberedBand = 24; // world units a band needs for its number
constexpr int kAmountWidth = 200; // world units of an amount's label
const std::array<Colour, 2> kBandFills { MakeColour(236, 228, 206), MakeColour(214, 228, 238) };
const Colour kBandPen = MakeColour(150, 150, 150);

Colour ColourOf(const QColor& c)
{
    return MakeColour(c.red(), c.green(), c.blue());
}

std::string AxisNumber(double value, int decimals)
{
    return FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), value);
}

} // namespace

const QColor GlaserPlot::kSaturationColour(200, 30, 30);
const QColor GlaserPlot::kPressureColour(20, 60, 200);
const QColor GlaserPlot::kCondensationColour(0, 0, 0);

GlaserPlot::GlaserPlot(const ChartLayout& layout)
    : layout_(layout)
    , chart_(TransformMode::Curve, 1000, 1000, true, true, layout)
{
    // No placeholder title on a chart not yet filled.
    PrepareStudyChart(chart_, kYDivisions);
}

void GlaserPlot::Clear()
{
    for (const NShape* shape : added_)
        chart_.RemoveShape(shape);
    added_.clear();
    showsCondensing_ = false;
}

int GlaserPlot::WorldX(double x) const
{
    const IPoint o = chart_.PlotOrigin();
    const IPoint c = chart_.PlotCorner();
    return o.x + TruncatedCoordinate(std::round((c.x - o.x) * x / std::max(xSpan_, 1e-12)));
}

int GlaserPlot::WorldY(double y) const
{
    const IPoint o = chart_.PlotOrigin();
    const IPoint c = chart_.PlotCorner();
    const double span = std::max(range_.top - range_.bottom, 1e-9);
    return o.y + TruncatedCoordinate(std::round((c.y - o.y) * (y - range_.bottom) / span));
}

void GlaserPlot::AddLayers(const moisture::DiagramData& data)
{
    const int bottom = WorldY(range_.bottom);
    const int top = WorldY(range_.top);
    for (std::size_t k = 0; k < data.layers.size(); ++k) {
        const int left = WorldX(data.layers[k].from);
        const int right = WorldX(data.layers[k].to);
        Keep(chart_.AddRectangle({ left, top, right, bottom }, kBandPen, kBandFills[k % 2], {}));
        if (right - left < kLeastNumberedBand)
            continue;
        // The layer's number at the top of its band; the window and the report name them.
        NShpText& number = chart_.AddText(
            { left, top, right, top - layout_.labelHeight }, kPaletteBlack, 1, {}, -1, false);
        number.SetText(std::to_string(k + 1));
        number.SetAlignment(TextAlign::Centre, TextAlign::Start);
        Keep(number);
    }
}

void GlaserPlot::AddXTicks(double length)
{
    chart_.SetEndLabel(Coordinate::X, AxisEnd::A, "");
    chart_.SetEndLabel(Coordinate::X, AxisEnd::B, "");
    const RoundScale scale = RoundScaleOf(0.0, length, kXDivisions);
    const int y = chart_.PlotOrigin().y;
    const int tick = layout_.tickLengthHorizontal;
    const int half = layout_.tickLabelWidth / 2;
    for (int i = 0; i <= scale.divisions; ++i) {
        const double value = scale.Tick(i);
        if (value < -1e-12 || value > length * (1.0 + 1e-9))
            continue;
        const int x = WorldX(value);
        Keep(chart_.AddLine({ x, y }, { x, y - tick }, kPaletteBlack));
        const int labelTop = y - tick - layout_.labelGapBelow;
        NShpText& label = chart_.AddText(
            { x - half, labelTop, x + half, labelTop - layout_.labelHeight }, 4, 1, {}, -1, false);
        label.SetText(AxisNumber(value, scale.decimals));
        label.SetAlignment(TextAlign::Centre, TextAlign::Start);
        Keep(label);
    }
}

void GlaserPlot::AddCondensing(const moisture::DiagramData& data)
{
    const int radius = std::max(6, (chart_.PlotCorner().x - chart_.PlotOrigin().x) / 80);
    for (const moisture::DiagramCondensation& c : data.condensing) {
        const moisture::DiagramPoint& point = data.points[static_cast<std::size_t>(c.point)];
        const int x = WorldX(point.x);
        const int y = WorldY(point.pPa);
        auto dot = std::make_unique<NShpDisk>(IPoint { x, y }, radius);
        dot->SetColour(ColourOf(kCondensationColour));
        Keep(chart_.AddShape(std::move(dot)));
        // The month's amount under the dot, inside the plot.
        const int left = std::clamp(
            x - kAmountWidth / 2, chart_.PlotOrigin().x, chart_.PlotCorner().x - kAmountWidth);
        const int labelTop = std::max(y - 2 * radius, WorldY(range_.bottom) + layout_.labelHeight);
        NShpText& amount = chart_.AddText(
            { left, labelTop, left + kAmountWidth, labelTop - layout_.labelHeight }, kPaletteBlack,
            1, {}, -1, false);
        amount.SetText(
            (c.netGPerM2 > 0.0 ? "+" : "") + moisture::GroupedGrams(c.netGPerM2) + " g/m²");
        amount.SetAlignment(TextAlign::Centre, TextAlign::Start);
        Keep(amount);
        showsCondensing_ = true;
    }
}

void GlaserPlot::Show(const moisture::DiagramData& data)
{
    Clear();
    double high = 0.0;
    for (const moisture::DiagramPoint& p : data.saturation)
        high = std::max(high, p.psatPa);
    for (const moisture::DiagramPoint& p : data.points)
        high = std::max({ high, p.psatPa, p.pPa });
    range_ = RoundScaleOf(0.0, high, kYDivisions);
    xSpan_ = data.axisLength;
    for (NShape* label : LabelYTicks(chart_, range_))
        Keep(*label);
    chart_.SetAxisTitle(
        Coordinate::X, data.axis == moisture::DiagramAxis::Sd ? "s_d (m)" : "Épaisseur (m)");
    if (data.points.empty() || xSpan_ <= 0.0)
        return;
    AddLayers(data);
    AddXTicks(xSpan_);
    const auto curve = [this](const std::vector<moisture::DiagramPoint>& points, bool saturation,
                           const QColor& colour) {
        NShpPolyLine& line = chart_.AddPolyLine();
        line.SetColour(ColourOf(colour));
        for (const moisture::DiagramPoint& p : points)
            line.Points().push_back(
                { float(WorldX(p.x)), float(WorldY(saturation ? p.psatPa : p.pPa)) });
        Keep(line);
    };
    curve(data.saturation, true, kSaturationColour);
    curve(data.points, false, kPressureColour);
    AddCondensing(data);
}

void GlaserPlot::Draw(QPainter& painter, const QRect& area)
{
    if (area.width() <= 0 || area.height() <= 0)
        return;
    painter.fillRect(area, style::PlotGround());
    const QRect plot = DrawUnitTitle(painter, area, "Pa");
    chart_.SetDeviceMapping(plot.left(), plot.top(), plot.width(), -plot.height());
    chart_.Draw(painter);
}

std::vector<LegendEntry> GlaserPlot::Legend() const
{
    std::vector<LegendEntry> entries { { LegendEntry::Swatch::Line, kSaturationColour,
                                           "Pression de saturation psat" },
        { LegendEntry::Swatch::Line, kPressureColour, "Pression partielle de vapeur p" } };
    if (showsCondensing_)
        entries.push_back({ LegendEntry::Swatch::Dot, kCondensationColour,
            "Interface en condensation (eau du mois)" });
    return entries;
}

} // namespace quelvan::graphics
