#include "graphics/ChartLayout.h"

#include <cmath>

namespace quelvan::graphics {

namespace {
constexpr double kRoundingBias = 5e-7;
}

ChartLayout& ChartLayout::Current()
{
    static ChartLayout layout;
    return layout;
}

void ChartLayout::Reset()
{
    Current() = ChartLayout {};
}

IntegerRange IntegerRangeRule(double minValue, double maxValue)
{
    IntegerRange range;
    range.top = maxValue <= 0.0 ? -static_cast<int>(std::fabs(maxValue))
                                : static_cast<int>(maxValue + 1.0 - kRoundingBias);
    range.bottom = minValue <= 0.0 ? -static_cast<int>(std::fabs(minValue) + 1.0)
                                   : static_cast<int>(minValue + kRoundingBias);
    return range;
}

} // namespace quelvan::graphics
