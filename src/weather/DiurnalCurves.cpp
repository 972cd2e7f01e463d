#include "weather/DiurnalCurves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quelvan::weather {

namespace {

// Parton and Logan's parameters for air at 150 cm: lag of the maximum after solar noon (h),
// night decay coefficient, lag of the minimum after sunrise (h).
constexpr double kLagOfMaximum = 1.86;
constexpr double kNightDecay = 2.20;
constexpr double kLagOfMinimum = -0.17;

double DayLength(const TemperatureDay& d)
{
    return std::max(1.0, d.sunset - d.sunrise);
}

double DaytimeTemperature(const TemperatureDay& d, double t)
{
    const double m = t - (d.sunrise + kLagOfMinimum);
    return d.minimum
        + (d.maximum - d.minimum)
        * std::sin(std::numbers::pi * m / (DayLength(d) + 2.0 * kLagOfMaximum));
}

// Decay from the sunset temperature of `evening` reaching exactly the minimum of `morning` at
// its start of day (the usual form leaves a small jump there; this one is continuous).
double NightTemperature(
    const TemperatureDay& evening, const TemperatureDay& morning, double hoursSinceSunset)
{
    const double sunsetTemperature = DaytimeTemperature(evening, evening.sunset);
    const double nightLength = std::max(1.0, 24.0 - DayLength(evening));
    const double toMorning = std::max(0.1, 24.0 - evening.sunset + morning.sunrise + kLagOfMinimum);
    const double endDecay = std::exp(-kNightDecay * toMorning / nightLength);
    const double decay = std::exp(-kNightDecay * hoursSinceSunset / nightLength);
    return morning.minimum
        + (sunsetTemperature - morning.minimum) * (decay - endDecay) / (1.0 - endDecay);
}

} // namespace

double PartonLoganTemperature(
    const TemperatureDay& previous, const TemperatureDay& day, const TemperatureDay& next, double t)
{
    if (t < day.sunrise + kLagOfMinimum)
        return NightTemperature(previous, day, t + 24.0 - previous.sunset);
    if (t <= day.sunset)
        return DaytimeTemperature(day, t);
    return NightTemperature(day, next, t - day.sunset);
}

double HourlyShareWeight(double hourAngle, double sunsetHourAngle, double length)
{
    if (length <= 0.0)
        return 0.0;
    const double shifted = sunsetHourAngle - std::numbers::pi / 3.0;
    const double a = 0.409 + 0.5016 * std::sin(shifted);
    const double b = 0.6609 - 0.4767 * std::sin(shifted);
    const double shape
        = (a + b * std::cos(hourAngle)) * (std::cos(hourAngle) - std::cos(sunsetHourAngle));
    return std::max(0.0, shape) * length;
}

std::vector<double> SpreadWithCaps(
    double total, const std::vector<double>& weights, const std::vector<double>& caps)
{
    std::vector<double> amounts(weights.size(), 0.0);
    std::vector<bool> full(weights.size(), false);
    double remaining = total;
    // Each round fills at least one more hour to its cap, or places everything.
    for (std::size_t round = 0; round <= weights.size() && remaining > 1e-9; ++round) {
        double weightSum = 0.0;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (!full[i])
                weightSum += weights[i];
        }
        if (weightSum <= 0.0)
            break;
        double placed = 0.0;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (full[i])
                continue;
            const double wanted = amounts[i] + remaining * weights[i] / weightSum;
            const double given = std::min(wanted, caps[i]);
            if (given >= caps[i])
                full[i] = true;
            placed += given - amounts[i];
            amounts[i] = given;
        }
        remaining -= placed;
    }
    return amounts;
}

double ClearSkyGlobal(double sinHeight)
{
    if (sinHeight <= 0.0)
        return 0.0;
    return 1098.0 * sinHeight * std::exp(-0.059 / sinHeight);
}

double DiffuseFraction(double kt)
{
    if (kt <= 0.22)
        return 1.0 - 0.09 * std::max(0.0, kt);
    if (kt <= 0.80)
        return 0.9511 - 0.1604 * kt + 4.388 * kt * kt - 16.638 * kt * kt * kt
            + 12.336 * kt * kt * kt * kt;
    return 0.165;
}

} // namespace quelvan::weather
