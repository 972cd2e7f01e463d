#include "graphics/RoundScale.h"

#include "core/NumberText.h"
#include "graphics/CChart.h"
#include "graphics/ChartStyle.h"
#include "graphics/NShpText.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace quelvan::graphics {

RoundScale RoundScaleOf(double low, double high, int divisions)
{
    if (!std::isfinite(low) || !std::isfinite(high) || high - low < 1e-9) {
        const double centre = std::isfinite(low) ? std::round(low) : 0.0;
        low = centre - 1.0;
        high = centre + 1.0;
    }
    const double raw = (high - low) / divisions;
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    // Multipliers of the power of ten; 2.5 needs one decimal more than its power.
    constexpr std::array<double, 5> kSteps { 1.0, 2.0, 2.5, 5.0, 10.0 };
    RoundScale scale;
    scale.divisions = divisions;
    for (int attempt = 0; attempt < 3; ++attempt, power *= 10.0) {
        for (const double m : kSteps) {
            const double step = m * power;
            const double bottom = std::floor(low / step + 1e-9) * step;
            if (bottom + divisions * step < high - 1e-9 * step)
                continue;
            scale.bottom = bottom;
            scale.top = bottom + divisions * step;
            scale.step = step;
            const int places = static_cast<int>(-std::floor(std::log10(step) + 1e-9));
            scale.decimals = std::max(0, places + (m == 2.5 ? 1 : 0));
            return scale;
        }
    }
    return scale;
}

std::string TickText(const RoundScale& scale, int i)
{
    double value = scale.Tick(i);
    if (std::fabs(value) < 0.5 * std::pow(10.0, -scale.decimals))
        value = 0.0;
    return FormatDouble(("%." + std::to_string(scale.decimals) + "f").c_str(), value);
}

std::vector<NShape*> LabelYTicks(CChart& chart, const RoundScale& scale)
{
    chart.SetEndLabel(Coordinate::Y, AxisEnd::A, TickText(scale, 0));
    chart.SetEndLabel(Coordinate::Y, AxisEnd::B, TickText(scale, scale.divisions));
    std::vector<NShape*> added;
    const NShpText* bottom = chart.YAxis().EndALabel();
    const NShpText* top = chart.YAxis().EndBLabel();
    if (!bottom || !top)
        return added;
    // The labels between stand where the end labels stand, moved to their ticks.
    const IRect first = bottom->Rect();
    const int span = top->Rect().top - first.top;
    for (int i = 1; i < scale.divisions; ++i) {
        const int shift = span * i / scale.divisions;
        NShpText& label
            = chart.AddText({ first.left, first.top + shift, first.right, first.bottom + shift }, 4,
                1, {}, -1, false);
        label.SetText(TickText(scale, i));
        label.SetAlignment(bottom->HorizontalAlignment(), bottom->VerticalAlignment());
        added.push_back(&label);
    }
    return added;
}

QRect DrawUnitTitle(QPainter& painter, const QRect& area, const std::string& unit)
{
    if (unit.empty())
        return area;
    const int h = TextHeight(painter);
    TextOutTopLeft(painter, area.left() + h / 2, area.top() + h / 4, ToQ(unit), Qt::black);
    return area.adjusted(0, h + h / 2, 0, 0);
}

void PrepareStudyChart(CChart& chart, int yDivisions)
{
    chart.XAxis().SetDivisionCount(1);
    chart.XAxis().Build();
    chart.YAxis().SetDivisionCount(yDivisions);
    chart.YAxis().Build();
    chart.SetDeviceMapping(0, 0, 0, 0);
    chart.SetAxisTitle(Coordinate::X, "");
    chart.SetAxisTitle(Coordinate::Y, "");
}

bool DrawChartWithUnit(QPainter& painter, const QRect& area, CChart& chart, const std::string& unit)
{
    if (area.width() <= 0 || area.height() <= 0)
        return false;
    painter.fillRect(area, style::PlotGround());
    const QRect plot = DrawUnitTitle(painter, area, unit);
    chart.SetDeviceMapping(plot.left(), plot.top(), plot.width(), -plot.height());
    chart.Draw(painter);
    return true;
}

} // namespace quelvan::graphics
