#pragma once

#include "graphics/AnnualBalancePlots.h"

#include <array>
#include <vector>

namespace quelvan::graphics {

// The hours of each month when the inner surface's relative humidity exceeds 80 %, as bars.
class SurfaceHoursPlot : public MonthChart {
public:
    // Built with labels readable in the low strip the condensation window gives it.
    SurfaceHoursPlot();
    static const QColor kBarColour;

    void Show(const std::array<int, 12>& hoursAbove80);
    static std::vector<LegendEntry> Legend();
};

} // namespace quelvan::graphics
