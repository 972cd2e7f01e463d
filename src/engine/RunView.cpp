#include "engine/RunView.h"

#include "core/NumberText.h"
#include "engine/EngineState.h"

#include <algorithm>
#include <cmath>

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

ReadoutTexts RunView::Readouts() const
{
    const ReadoutValues& r = readoutValues;
    const CurrentValues& v = r.current;
    const auto totalFlux = [](float q) {
        return std::fabs(q) < 0.01f ? std::string("0")
                                    : FormatNumber(q, SignificantDigits { 2 }, true);
    };
    const long long wholeHours = static_cast<long long>((std::max(r.clock, 0.0) + 0.1) / 3600.0);
    ReadoutTexts t;
    if (!r.refreshed)
        return t;
    t.clock = FormatClockText(r.clock);
    t.hour = FormatInt("%d", static_cast<int>(wholeHours % 24));
    t.day = FormatInt("%d", static_cast<int>((wholeHours / 24 + 1) % 10));
    t.interiorTemperature = FormatNumber(v.interiorTemperature, SignificantDigits { 3 }, true);
    t.exteriorTemperature = FormatNumber(v.exteriorTemperature, SignificantDigits { 3 }, true);
    t.interiorFlux = FormatNumber(v.interiorFlux, SignificantDigits { 2 }, true);
    t.exteriorFlux = FormatNumber(v.exteriorFlux, SignificantDigits { 2 }, true);
    t.interiorSurfaceFlux = totalFlux(v.interiorTotalFlux);
    t.exteriorSurfaceFlux = totalFlux(v.exteriorTotalFlux);
    t.interiorEnergy = FormatNumber(r.interiorEnergy * 0.000001, SignificantDigits { 2 }, true);
    t.exteriorEnergy = FormatNumber(r.exteriorEnergy * 0.000001, SignificantDigits { 2 }, true);
    return t;
}

std::array<std::string, 2> RunView::AbscissaLabels() const
{
    return { "0", FormatDouble("%.0f", totalThickness * 1000.0) };
}

} // namespace quelvan
