#pragma once

#include "core/Calendar.h"

namespace quelvan::weather {

// Sun position and extraterrestrial irradiation for the weather tools (typical-year synthesis
// and weather-file import). Times are local standard time in hours, days are days of a
// 365-day year (1 = 1 January), latitudes north-positive and longitudes east-positive in
// degrees, time zones in hours east of Greenwich.
struct Site {
    double latitude = 0.0;
    double longitude = 0.0;
    double timeZone = 0.0;
};

struct SunPosition {
    double height = 0.0; // degrees above the horizon, negative below it
    double azimuth = 0.0; // degrees from south, positive toward west
};

inline constexpr double kSolarConstant = 1367.0; // W/m²

// Days of each month of a 365-day year, and the day of the year a month starts on (0-based).
int DaysInMonth(int month /* 1..12 */);
int FirstDayOfMonth(int month /* 1..12 */);
// 1..12 for a 0-based day of the year.
int MonthOfDay(int dayIndex);

// Declination (radians) and equation of time (minutes) for a fractional day of the year, by
// the Fourier series of the US national weather service's solar calculator notes.
double SolarDeclination(double fractionalYear);
double EquationOfTime(double fractionalYear);

// Position at a local standard time of a day.
SunPosition SunAt(const Site& site, int dayOfYear, double hourLst);

// Local standard times of sunrise and sunset (hours) of a day; both 12 for a polar night, 0
// and 24 for a polar day.
struct Daylight {
    double sunrise = 12.0;
    double sunset = 12.0;
};
Daylight DaylightOf(const Site& site, int dayOfYear);

// The sunlit part of the hour that ends at hourEnd (local standard time) of a day: its length
// in hours (0 when the sun stays down) and the time of its middle, where the sun position that
// represents the hour is taken.
struct SunlitPart {
    double length = 0.0;
    double middle = 0.0;
};
SunlitPart SunlitPartOfHour(const Daylight& daylight, double hourEnd);

// Daily extraterrestrial irradiation on a horizontal plane (Wh/m²) and astronomical day
// length (hours), by the FAO crop-evapotranspiration formulas (day of year 1..365).
double DailyExtraterrestrialIrradiation(double latitude, int dayOfYear);
double AstronomicalDayLength(double latitude, int dayOfYear);

} // namespace quelvan::weather
