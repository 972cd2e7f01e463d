#include "graphics/AnnualBalancePlots.h"

#include "core/NumberText.h"
#include "engine/annual/AnnualBalanceText.h"
#include "graphics/ChartStyle.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpDisk.h"
#include "graphics/NShpLine.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/NShpRectangle.h"
#include "graphics/NShpText.h"
#include "graphics/PainterOps.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace quelvan::graphics {

namespace {

constexpr int kCurveZero = 0;
constexpr int kYDivisions = 4;

Colour ColourOf(const QColor& c)
{
    return MakeColour(c.red(), c.green(), c.blue());
}

// The day (from 0) on which each month starts, and the year's end.
std::array<int, kMonthCount + 1> MonthStarts()
{
    std::array<int, kMonthCount + 1> starts {};
    for (int m = 0; m < kMonthCount; ++m)
        starts[static_cast<size_t>(m + 1)]
            = starts[static_cast<size_t>(m)] + kDaysPerMonth[static_cast<size_t>(m)];
    return starts;
}

} // namespace

MonthChart::MonthChart(const ChartLayout& layout)
    : layout_(layout)
    , chart_(TransformMode::Curve, 1000, 1000, true, true, layout)
{
    // The unit is written above the plot (DrawUnitTitle), not where a value would stand; and
    // no placeholder title on a chart that is never filled (a refused wall).
    PrepareStudyChart(chart_, kYDivisions);
    chart_.SetAxisTitle(Coordinate::X, "Mois");
}

void MonthChart::Draw(QPainter& painter, const QRect& area)
{
    DrawChartWithUnit(painter, area, chart_, unit_);
}

void MonthChart::Clear()
{
    for (const NShape* shape : added_)
        chart_.RemoveShape(shape);
    added_.clear();
    for (int curve = 0; curve < CChart::kCurveCount; ++curve)
        chart_.Curve(curve).SetVisible(false);
}

int MonthChart::WorldX(double x) const
{
    const IPoint o = chart_.PlotOrigin();
    const IPoint c = chart_.PlotCorner();
    return o.x + TruncatedCoordinate(std::round((c.x - o.x) * x / xSpan_));
}

int MonthChart::WorldY(double y) const
{
    const IPoint o = chart_.PlotOrigin();
    const IPoint c = chart_.PlotCorner();
    const double span = std::max(range_.top - range_.bottom, 1e-9);
    return o.y + TruncatedCoordinate(std::round((c.y - o.y) * (y - range_.bottom) / span));
}

void MonthChart::AddBar(double x0, double x1, double y0, double y1, const QColor& colour)
{
    const Colour c = ColourOf(colour);
    Keep(chart_.AddRectangle({ WorldX(x0), WorldY(y1), WorldX(x1), WorldY(y0) }, c, c, {}));
}

void MonthChart::Prepare(double low, double high, const std::string& yTitle, bool slotsByDays)
{
    Clear();
    range_ = RoundScaleOf(low, high, kYDivisions);
    const std::array<int, kMonthCount + 1> starts = MonthStarts();
    xSpan_ = slotsByDays ? starts.back() : kMonthCount;
    unit_ = yTitle;
    for (NShape* label : LabelYTicks(chart_, range_))
        Keep(*label);
    // A tick at each month's start and the month's initial under the middle of its slot.
    const int y = chart_.PlotOrigin().y;
    const int tick = layout_.tickLengthHorizontal;
    for (int m = 0; m <= kMonthCount; ++m) {
        const double start = slotsByDays ? starts[static_cast<size_t>(m)] : m;
        Keep(chart_.AddLine({ WorldX(start), y }, { WorldX(start), y - tick }, kPaletteBlack));
        if (m == kMonthCount)
            break;
        const double end = slotsByDays ? starts[static_cast<size_t>(m + 1)] : m + 1;
        const int top = y - tick - layout_.labelGapBelow;
        NShpText& label = chart_.AddText(
            { WorldX(start), top - layout_.labelHeight, WorldX(end), top }, 4, 1, {}, -1, false);
        label.SetText(std::string(kMonthNames[static_cast<size_t>(m)], 1));
        label.SetAlignment(TextAlign::Centre, TextAlign::Start);
        Keep(label);
    }
    if (range_.bottom < 0 && range_.top > 0) {
        NShpPolyLine& zero = chart_.Curve(kCurveZero);
        zero.SetVisible(true);
        zero.Points() = { { float(WorldX(0)), float(WorldY(0)) },
            { float(WorldX(xSpan_)), float(WorldY(0)) } };
        zero.SetFirstIndex(0);
        zero.SetEndIndex(2);
    }
}

const QColor MonthlyBalancePlot::kLossColour(70, 110, 210);
const QColor MonthlyBalancePlot::kGainColour(220, 90, 50);

void MonthlyBalancePlot::Show(const annual::BalanceTable& table)
{
    double low = 0.0, high = 0.0;
    for (const annual::BalanceFigures& f : table.months) {
        low = std::min({ low, -f.gain, f.steady, f.net });
        high = std::max({ high, f.loss, f.steady, f.net });
    }
    Prepare(low, high, "kWh/m²", false);
    for (int m = 0; m < kMonthCount; ++m) {
        const annual::BalanceFigures& f = table.months[static_cast<size_t>(m)];
        const struct {
            double from, to, bottom, top;
            QColor colour;
        } bars[] = { { m + 0.15, m + 0.5, 0.0, f.loss, kLossColour },
            { m + 0.5, m + 0.85, -f.gain, 0.0, kGainColour } };
        for (const auto& b : bars)
            AddBar(b.from, b.to, b.bottom, b.top, b.colour);
        Keep(Chart().AddLine({ WorldX(m + 0.05), WorldY(f.steady) },
            { WorldX(m + 0.95), WorldY(f.steady) }, kPaletteBlack));
        const int radius = std::max(4, (WorldX(1) - WorldX(0)) / 10);
        auto dot = std::make_unique<NShpDisk>(IPoint { WorldX(m + 0.5), WorldY(f.net) }, radius);
        dot->SetColour(MakeColour(0, 0, 0));
        Keep(Chart().AddShape(std::move(dot)));
    }
}

std::vector<LegendEntry> MonthlyBalancePlot::Legend()
{
    return { { LegendEntry::Swatch::Box, kLossColour, "Pertes de la pièce" },
        { LegendEntry::Swatch::Box, kGainColour, "Apports à la pièce (barres vers le bas)" },
        { LegendEntry::Swatch::Dot, Qt::black, "Net" },
        { LegendEntry::Swatch::Line, Qt::black, "Net en régime permanent (U)" } };
}

const QColor YearSurfacePlot::kBandColour(160, 190, 235);

void YearSurfacePlot::Show(std::span<const annual::HourRecord> hours)
{
    constexpr int kDays = kHoursPerYear / 24;
    std::array<double, kDays> low {}, high {}, sum {};
    std::array<int, kDays> count {};
    for (const annual::HourRecord& r : hours) {
        const auto day = static_cast<size_t>(std::clamp((r.hour - 1) / 24, 0, kDays - 1));
        const double t = r.interiorSurfaceTemperature;
        low[day] = count[day] ? std::min(low[day], t) : t;
        high[day] = count[day] ? std::max(high[day], t) : t;
        sum[day] += t;
        ++count[day];
    }
    const auto [lowest, ignored] = std::minmax_element(low.begin(), low.end());
    const double highest = *std::max_element(high.begin(), high.end());
    Prepare(hours.empty() ? 0.0 : *lowest, hours.empty() ? 0.0 : highest, "Tsi (°C)", true);
    showsWarm_ = showsCold_ = false;
    if (hours.empty())
        return;
    for (int d = 0; d < kDays; ++d)
        AddBar(d, d + 1, low[size_t(d)], high[size_t(d)], kBandColour);
    // Over the band, so a shape of its own made after it.
    NShpPolyLine& mean = Chart().AddPolyLine();
    mean.SetColour(PaletteColour(kPaletteBlack));
    Keep(mean);
    for (int d = 0; d < kDays; ++d) {
        const double average = count[size_t(d)] ? sum[size_t(d)] / count[size_t(d)] : 0.0;
        mean.Points().push_back({ float(WorldX(d + 0.5)), float(WorldY(average)) });
    }
    const RoundScale& r = Range();
    for (const auto& [limit, colour] : { std::pair { annual::kOverheatingSurface, kPaletteRed },
             std::pair { annual::kColdSurface, kPaletteBlue } }) {
        if (limit <= r.bottom || limit >= r.top)
            continue;
        (colour == kPaletteRed ? showsWarm_ : showsCold_) = true;
        NShpPolyLine& mark = Chart().AddPolyLine();
        mark.SetColour(PaletteColour(colour));
        mark.SetPenStyle(LineStyle::Dot);
        mark.Points() = { { float(WorldX(0)), float(WorldY(limit)) },
            { float(WorldX(kDays)), float(WorldY(limit)) } };
        Keep(mark);
    }
}

std::vector<LegendEntry> YearSurfacePlot::Legend() const
{
    std::vector<LegendEntry> entries { { LegendEntry::Swatch::Box, kBandColour,
                                           "Minimum et maximum du jour" },
        { LegendEntry::Swatch::Line, Qt::black, "Moyenne du jour" } };
    // A mark off the scale is not drawn: the legend does not name it.
    if (showsWarm_)
        entries.push_back({ LegendEntry::Swatch::DottedLine, PaletteQColor(kPaletteRed),
            annual::SurfaceMarkText(annual::kOverheatingSurface) });
    if (showsCold_)
        entries.push_back({ LegendEntry::Swatch::DottedLine, PaletteQColor(kPaletteBlue),
            annual::SurfaceMarkText(annual::kColdSurface) });
    return entries;
}

} // namespace quelvan::graphics
