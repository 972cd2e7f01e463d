#include "engine/RunView.h"

#include "core/NumberText.h"
#include "core/Units.h"

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

std::string FormatClockText(double seconds, ClockPrecision precision)
{
    const double t = std::max(seconds, 0.0);
    const long long wholeHours = static_cast<long long>((t + 0.1) / units::kSecondsPerHour);
    const long long day = wholeHours / 24;
    const double s = t - static_cast<double>(day) * units::kSecondsPerDay;
    const long long hours = static_cast<long long>((s + 0.1) / 60.0) / 60;
    const long long rest
        = static_cast<long long>(s - static_cast<double>(hours) * units::kSecondsPerHour + 0.1);
    std::string text = FormatInt("%3d", static_cast<int>(day + 1));
    auto field = [&text](long long value) {
        text.push_back(':');
        text.append(FormatInt("%2d", static_cast<int>(value)));
    };
    if (precision != ClockPrecision::Days)
        field(hours);
    if (precision == ClockPrecision::Seconds || precision == ClockPrecision::Minutes)
        field(rest / 60);
    if (precision == ClockPrecision::Seconds)
        field(rest % 60);
    std::replace(text.begin(), text.end(), ' ', '0');
    text.push_back(':');
    return text;
}

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
    const long long wholeHours
        = static_cast<long long>((std::max(r.clock, 0.0) + 0.1) / units::kSecondsPerHour);
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

std::array<std::string, 13> RunView::ResultsRowTexts() const
{
    const CurrentValues& v = current;
    const SurfaceCoefficients& s = surfaces;
    const float solAirExterior = v.exteriorTemperature
        + s.absorptionExterior * v.exteriorFlux / (s.exchangeExterior + 0.0000001f);
    const float solAirInterior = v.interiorTemperature
        + s.absorptionInterior * v.interiorFlux / (s.exchangeInterior + 0.0000001f);
    const struct {
        float value;
        int decimals;
    } cells[] = {
        { v.exteriorTemperature, 2 },
        { v.exteriorSurfaceTemperature, 2 },
        { v.interiorSurfaceTemperature, 2 },
        { v.interiorTemperature, 2 },
        { v.exteriorFlux, 3 },
        { v.exteriorTotalFlux, 2 },
        { v.interiorTotalFlux, 2 },
        { v.interiorFlux, 3 },
        { exteriorEnergy, 0 },
        { interiorEnergy, 0 },
        { (solAirInterior - solAirExterior) * uValue, 2 },
        { solAirExterior, 2 },
        { solAirInterior, 2 },
    };
    std::array<std::string, 13> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = KeepDecimals(FloatText(cells[i].value), cells[i].decimals);
    return texts;
}

void ChartBounds::Follow(const NodeProfiles& nodes)
{
    upperChanged = false;
    lowerChanged = false;
    if (nodes.T.empty())
        return;
    const float highest = *std::max_element(nodes.Tmax.begin(), nodes.Tmax.end());
    const float lowest = *std::min_element(nodes.Tmin.begin(), nodes.Tmin.end());
    const float newUpper = highest > 0.0f ? std::trunc(highest + 1.0f - 0.0000005f)
                                          : -std::trunc(std::fabs(highest));
    const float newLower
        = lowest > 0.0f ? std::trunc(lowest + 0.0000005f) : -std::trunc(std::fabs(lowest) + 1.0f);
    if (newUpper > upper + 0.01f) {
        upper = newUpper;
        upperChanged = true;
    }
    if (newLower < lower - 0.01f) {
        lower = newLower;
        lowerChanged = true;
    }
}

std::array<std::string, 2> RunView::AbscissaLabels() const
{
    return { "0", FormatDouble("%.0f", totalThickness * 1000.0) };
}

} // namespace quelvan
