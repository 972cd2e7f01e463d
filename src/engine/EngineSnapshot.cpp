#include "engine/EngineSnapshot.h"

#include "core/NumberText.h"

namespace quelvan {

namespace {
constexpr const char* kSeriesTitles[kSeriesCount] = {
    "Température extérieure",
    "Température de surface extérieure",
    "Température de surface intérieure",
    "Température intérieure",
    "Flux extérieur",
    "Flux de surface extérieur",
    "Flux de surface intérieur",
    "Flux intérieur",
};
} // namespace

const char* SeriesTitle(SeriesId id)
{
    const int i = static_cast<int>(id);
    return i >= 0 && i < kSeriesCount ? kSeriesTitles[i] : "";
}

std::string BoundLabel(float bound)
{
    return FloatText(bound);
}

std::array<std::string, 2> EngineSnapshot::AbscissaLabels() const
{
    return { "0", FormatDouble("%.0f", totalThickness * 1000.0) };
}

} // namespace quelvan
