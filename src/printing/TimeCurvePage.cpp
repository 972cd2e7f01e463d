#include "printing/TimeCurvePage.h"

#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "graphics/CChart.h"
#include "graphics/PainterOps.h"
#include "printing/ReportFrame.h"
#include "printing/ReportPlot.h"

#include <QPainter>
#include <algorithm>

namespace quelvan::printing {

namespace {

// The plots start this far below the header rule and end this far above the footer rule.
constexpr int kBodyInset = 80;
// Between the extremes line and the top of the plot frame.
constexpr int kTextGap = 20;

// The part of a series that falls in the window (a series shorter than the run gives
// what it holds).
std::span<const float> WindowOf(std::span<const float> series, const HourWindow& window)
{
    const auto size = static_cast<int>(series.size());
    const int start = std::clamp(window.start, 0, size);
    const int end = std::clamp(window.end, start, size);
    return series.subspan(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

} // namespace

SeriesExtremes WindowExtremes(std::span<const float> series, const HourWindow& window)
{
    const std::span<const float> values = WindowOf(series, window);
    SeriesExtremes e;
    if (values.empty())
        return e;
    e.minimum = e.maximum = values[0];
    for (size_t i = 1; i < values.size(); ++i) {
        if (values[i] < e.minimum) {
            e.minimum = values[i];
            e.minimumHour = static_cast<int>(i);
        }
        if (values[i] > e.maximum) {
            e.maximum = values[i];
            e.maximumHour = static_cast<int>(i);
        }
    }
    return e;
}

std::string ExtremesText(const SeriesExtremes& e)
{
    return "Min=" + FormatDouble("%.1f", e.minimum) + " à " + FormatInt("%d", e.minimumHour)
        + " h, Max=" + FormatDouble("%.1f", e.maximum) + " à " + FormatInt("%d", e.maximumHour)
        + " h";
}

namespace {

struct CaptionLine {
    QFont font;
    std::string text;
};

// The series' name over its extremes, centred over the plot area of the chart (not its whole
// cell), ending just above the plot frame: the strip of the cell above the frame holds only the
// top Y label, at the far left, so the texts may reach into it.
void DrawCaption(QPainter& painter, const QRect& cell, const graphics::CChart& chart,
    const CaptionLine& name, const CaptionLine& extremes)
{
    const int plotMiddle = (chart.PlotOrigin().x + chart.PlotCorner().x) / 2;
    const int centre = cell.left() + cell.width() * plotMiddle / 1000;
    painter.setFont(name.font);
    const int nameHeight = graphics::TextHeight(painter);
    painter.setFont(extremes.font);
    const int extremesHeight = graphics::TextHeight(painter);
    const int frameTop = cell.top() + cell.height() * (1000 - chart.PlotCorner().y) / 1000;
    const int textTop = frameTop - kTextGap - nameHeight - extremesHeight;
    painter.setFont(name.font);
    DrawCentredText(painter, centre, textTop, name.text);
    painter.setFont(extremes.font);
    DrawCentredText(painter, centre, textTop + nameHeight, extremes.text);
}

} // namespace

void DrawTimeCurvePage(QPainter& painter, const QRect& body, PageKind kind, const RunView& run)
{
    const bool complete = kind == PageKind::TimeCurves;
    const HourWindow window = TimeWindow(kind, run.hours);

    // The plot sizes are fixed fractions of the body box; the complete page reaches 50 units
    // into the right margin, the last-24-hours page stops 50 units short of it.
    const int boxLeft = body.left();
    const int boxRight = body.right() + 1 + (complete ? 50 : -50);
    const int boxTop = body.top() + kBodyInset;
    const int boxBottom = body.bottom() + 1 - kBodyInset;
    const int boxWidth = boxRight - boxLeft;
    const int boxHeight = boxBottom - boxTop;
    const int gap = static_cast<int>(0.025 * boxHeight);
    const int m = complete ? 80 : 50;
    const int plotWidth = static_cast<int>(0.25 * (boxWidth + 180));
    const int plotHeight = (boxHeight - m) / 2 - 2 * gap;
    // Each row is a caption band (name and extremes) above its plot.
    const int bandHeight = (boxHeight - 2 * plotHeight) / 2;
    const int columnStep = (boxWidth - plotWidth) / 3;

    ReportPlot plot(complete ? 7 : 12);
    const QFont previousFont = painter.font();
    const QFont nameFont = CaptionFont(true);
    const QFont extremesFont = FooterFont();

    for (int i = 0; i < kSeriesCount; ++i) {
        const auto id = static_cast<SeriesId>(i);
        const std::span<const float> series = run.series[static_cast<size_t>(i)];
        const int row = i / 4;
        const int column = i % 4;
        const int rowTop = boxTop + row * (bandHeight + plotHeight);
        const QRect cell(boxLeft + column * columnStep, rowTop + bandHeight, plotWidth, plotHeight);

        PlotContent content;
        content.xTitle = "Temps (h)";
        content.xLabelStart = "0";
        content.xLabelEnd = FormatInt("%d", window.end - window.start);
        content.yTitle = i < 4 ? "T (°C)" : "F (W/m²)";
        content.y = WindowOf(series, window);
        // The axis runs to the window's end, so the last hour sits one step before it.
        content.xMax = static_cast<float>(std::max(window.Count(), 1));
        plot.Draw(painter, cell, content);

        DrawCaption(painter, cell, plot.Chart(), { nameFont, SeriesTitle(id) },
            { extremesFont, ExtremesText(WindowExtremes(series, window)) });
    }
    painter.setFont(previousFont);
}

} // namespace quelvan::printing
