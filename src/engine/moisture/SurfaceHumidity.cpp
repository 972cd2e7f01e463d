// Counting the humid hours of the inner surface over the annual balance's year.
#include "engine/moisture/SurfaceHumidity.h"

#include "core/Calendar.h"
#include "engine/moisture/Psychrometrics.h"

#include <algorithm>

namespace quelvan::moisture {

double HourlyInteriorPressure(const InteriorModel& interior, double interiorC,
    double exteriorPressure, const ExteriorMonth& month)
{
    const double psatI = SaturationPressure(interiorC);
    if (interior.mode == InteriorHumidity::RelativeHumidity)
        return std::min(interior.value / 100.0 * psatI, psatI);
    const InteriorModel atMonth { interior.mode, interior.value, interiorC };
    const double excess = InteriorPressure(atMonth, month) - month.pPa;
    return std::min(exteriorPressure + excess, psatI);
}

SurfaceHumidityHours CountSurfaceHumidity(const std::vector<annual::HourRecord>& hours,
    const HourlyHumidity& exterior, const InteriorModel& interior)
{
    const ExteriorYear months = MonthlyMeans(exterior.thetaC, exterior.rhPct);
    SurfaceHumidityHours result;
    const std::size_t n = std::min(hours.size(), exterior.thetaC.size());
    std::vector<bool> humid(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        const annual::HourRecord& h = hours[i];
        const int month = MonthOfHour(static_cast<int>(i) + 1);
        const double pe = exterior.rhPct[i] / 100.0 * SaturationPressure(exterior.thetaC[i]);
        const double pi = HourlyInteriorPressure(
            interior, h.interiorTemperature, pe, months[static_cast<std::size_t>(month)]);
        humid[i] = pi / SaturationPressure(h.interiorSurfaceTemperature) > kMouldCriticalHumidity;
        if (humid[i])
            ++result.hoursAbove80[static_cast<std::size_t>(month)];
    }
    // The longest run, the year read twice so that a run across 31 December counts whole.
    int run = 0;
    for (std::size_t k = 0; k < 2 * n; ++k) {
        run = humid[k % n] ? run + 1 : 0;
        result.longestRunHours
            = std::max(result.longestRunHours, std::min(run, static_cast<int>(n)));
    }
    return result;
}

} // namespace quelvan::moisture
