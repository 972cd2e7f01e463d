#pragma once

#include <vector>

namespace quelvan::weather {

// Shapes that turn daily values into hourly ones for the typical-year synthesis.

// Daily air temperature curve (Parton and Logan, screen-height air): a sine from shortly
// before sunrise to sunset, peaking after solar noon, then an exponential decay through the
// night toward the next day's minimum. Times in hours, local standard time of the day.
struct TemperatureDay {
    double minimum = 0.0;
    double maximum = 0.0;
    double sunrise = 6.0;
    double sunset = 18.0;
};
// Temperature at time t (0 < t <= 24) of `day`, continuous with the previous and next days.
double PartonLoganTemperature(const TemperatureDay& previous, const TemperatureDay& day,
    const TemperatureDay& next, double t);

// Relative share of a day's global irradiation in an hour whose sunlit part has `length`
// hours and is centred on hour angle `hourAngle` (radians), for a day of half-length
// `sunsetHourAngle` (Collares-Pereira and Rabl). Not normalised.
double HourlyShareWeight(double hourAngle, double sunsetHourAngle, double length);

// Spreads `total` over hours in proportion to `weights`, never giving an hour more than its
// cap; what a capped hour cannot take goes to the others. Returns the amounts.
std::vector<double> SpreadWithCaps(
    double total, const std::vector<double>& weights, const std::vector<double>& caps);

// Clear-sky global horizontal irradiance (W/m²) for a sun height given by its sine (Haurwitz).
double ClearSkyGlobal(double sinHeight);

// Diffuse fraction of the global irradiance for an hourly clearness index (Erbs, Klein and
// Duffie).
double DiffuseFraction(double clearness);

} // namespace quelvan::weather
