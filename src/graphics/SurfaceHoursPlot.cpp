#include "graphics/SurfaceHoursPlot.h"

#include <algorithm>

namespace quelvan::graphics {

const QColor SurfaceHoursPlot::kBarColour(60, 140, 120);

namespace {

// The chart is a low strip under the monthly table, about four times as wide as high: labels
// drawn at a screen chart's height would be 5 px high there, so they are made about twice as
// high in the chart's world, with their gaps and ticks.
constexpr ChartLayout kStripLayout {
    .labelHeight = 130, .labelGapBelow = 30, .tickLengthHorizontal = 28
};

} // namespace

SurfaceHoursPlot::SurfaceHoursPlot()
    : MonthChart(kStripLayout)
{
}

void SurfaceHoursPlot::Show(const std::array<int, 12>& hoursAbove80)
{
    const int most = *std::max_element(hoursAbove80.begin(), hoursAbove80.end());
    // A year without such hours still shows a scale of a few hours, not -1 to 1.
    Prepare(0.0, std::max(most, 4), "h", false);
    for (std::size_t m = 0; m < hoursAbove80.size(); ++m) {
        const double from = static_cast<double>(m);
        if (hoursAbove80[m] > 0)
            AddBar(from + 0.15, from + 0.85, 0.0, hoursAbove80[m], kBarColour);
    }
}

std::vector<LegendEntry> SurfaceHoursPlot::Legend()
{
    return { { LegendEntry::Swatch::Box, kBarColour,
        "Heures où la surface intérieure dépasse 80 % d'humidité relative" } };
}

} // namespace quelvan::graphics
