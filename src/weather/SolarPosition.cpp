#include "weather/SolarPosition.h"

#include "core/Angles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quelvan::weather {

namespace {

double FractionalYear(int dayOfYear, double hourLst)
{
    return 2.0 * std::numbers::pi / kDaysPerYear * (dayOfYear - 1 + (hourLst - 12.0) / 24.0);
}

// Minutes to add to the local standard time to get the true solar time.
double TimeOffsetMinutes(const Site& site, double fractionalYear)
{
    return EquationOfTime(fractionalYear) + 4.0 * site.longitude - 60.0 * site.timeZone;
}

} // namespace

int DaysInMonth(int month)
{
    return kDaysPerMonth[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)];
}

int FirstDayOfMonth(int month)
{
    int day = 0;
    for (int m = 1; m < std::clamp(month, 1, 12); ++m)
        day += DaysInMonth(m);
    return day;
}

int MonthOfDay(int dayIndex)
{
    int month = 1;
    while (month < 12 && dayIndex >= FirstDayOfMonth(month + 1))
        ++month;
    return month;
}

double SolarDeclination(double g)
{
    return 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g)
        + 0.000907 * std::sin(2 * g) - 0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
}

double EquationOfTime(double g)
{
    return 229.18
        * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) - 0.014615 * std::cos(2 * g)
            - 0.040849 * std::sin(2 * g));
}

SunPosition SunAt(const Site& site, int dayOfYear, double hourLst)
{
    const double g = FractionalYear(dayOfYear, hourLst);
    const double declination = SolarDeclination(g);
    const double trueSolarMinutes = hourLst * 60.0 + TimeOffsetMinutes(site, g);
    const double hourAngle = (trueSolarMinutes / 4.0 - 180.0) * kRadiansPerDegree;
    const double phi = site.latitude * kRadiansPerDegree;
    const double cosZenith = std::clamp(std::sin(phi) * std::sin(declination)
            + std::cos(phi) * std::cos(declination) * std::cos(hourAngle),
        -1.0, 1.0);
    SunPosition position;
    position.height = 90.0 - std::acos(cosZenith) / kRadiansPerDegree;
    // From south, positive toward west (afternoon).
    position.azimuth
        = std::atan2(std::sin(hourAngle),
              std::cos(hourAngle) * std::sin(phi) - std::tan(declination) * std::cos(phi))
        / kRadiansPerDegree;
    return position;
}

Daylight DaylightOf(const Site& site, int dayOfYear)
{
    const double g = FractionalYear(dayOfYear, 12.0);
    const double declination = SolarDeclination(g);
    const double phi = site.latitude * kRadiansPerDegree;
    const double c = -std::tan(phi) * std::tan(declination);
    Daylight daylight;
    if (c >= 1.0)
        return daylight; // polar night
    const double solarNoon = 12.0 - TimeOffsetMinutes(site, g) / 60.0;
    if (c <= -1.0) {
        daylight.sunrise = 0.0;
        daylight.sunset = 24.0;
        return daylight;
    }
    const double halfDay = std::acos(c) / kRadiansPerDegree / 15.0;
    daylight.sunrise = solarNoon - halfDay;
    daylight.sunset = solarNoon + halfDay;
    return daylight;
}

SunlitPart SunlitPartOfHour(const Daylight& daylight, double hourEnd)
{
    const double start = std::max(hourEnd - 1.0, daylight.sunrise);
    const double end = std::min(hourEnd, daylight.sunset);
    SunlitPart part;
    part.middle = hourEnd - 0.5;
    if (end > start) {
        part.length = end - start;
        part.middle = 0.5 * (start + end);
    }
    return part;
}

double DailyExtraterrestrialIrradiation(double latitude, int dayOfYear)
{
    const double phi = latitude * kRadiansPerDegree;
    const double angle = 2.0 * std::numbers::pi * dayOfYear / kDaysPerYear;
    const double dr = 1.0 + 0.033 * std::cos(angle);
    const double declination = 0.409 * std::sin(angle - 1.39);
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(declination), -1.0, 1.0));
    // 0.0820 MJ/(m².min) gives MJ/(m².day); 1 MJ = 1000 / 3.6 Wh.
    const double mj = 24.0 * 60.0 / std::numbers::pi * 0.0820 * dr
        * (ws * std::sin(phi) * std::sin(declination)
            + std::cos(phi) * std::cos(declination) * std::sin(ws));
    return std::max(0.0, mj) * 1000.0 / 3.6;
}

double AstronomicalDayLength(double latitude, int dayOfYear)
{
    const double phi = latitude * kRadiansPerDegree;
    const double declination
        = 0.409 * std::sin(2.0 * std::numbers::pi * dayOfYear / kDaysPerYear - 1.39);
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(declination), -1.0, 1.0));
    return 24.0 * ws / std::numbers::pi;
}

} // namespace quelvan::weather
