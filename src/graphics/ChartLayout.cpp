#include "graphics/ChartLayout.h"

#include "graphics/Geometry.h"

#include <algorithm>
#include <cmath>

namespace quelvan::graphics {

namespace {
constexpr double kRoundingBias = 5e-7;
}

IntegerRange IntegerRangeRule(double minData, double maxData)
{
    // An extreme that is no number counts as no data (0); a huge one is limited so that its
    // label stays a number of the int range.
    const auto limited = [](double v) {
        return std::isnan(v) ? 0.0 : std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
    };
    const double minValue = limited(minData);
    const double maxValue = limited(maxData);
    IntegerRange range;
    range.top = maxValue <= 0.0 ? -static_cast<int>(std::fabs(maxValue))
                                : static_cast<int>(maxValue + 1.0 - kRoundingBias);
    range.bottom = minValue <= 0.0 ? -static_cast<int>(std::fabs(minValue) + 1.0)
                                   : static_cast<int>(minValue + kRoundingBias);
    return range;
}

} // namespace quelvan::graphics
