#include "engine/SolarModel.h"

#include "core/Angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quelvan {

float SolarDeclination(long long month, long long dayOfMonth)
{
    return static_cast<float>(23.45 * kRadiansPerDegree
        * std::cos(2.0 * std::numbers::pi
            * (30.0 * static_cast<double>(month) + static_cast<double>(dayOfMonth) - 202.0)
            / 365.0));
}

float SolarHourAngle(int hourOfDay)
{
    const int h = hourOfDay == 24 ? 0 : hourOfDay;
    return static_cast<float>((h - 12) * 15.0 * kRadiansPerDegree);
}

float SolarHeight(float latitude, float hourAngle, float declination)
{
    double s = std::cos(latitude) * std::cos(hourAngle) * std::cos(declination)
        + std::sin(latitude) * std::sin(declination);
    s = std::clamp(s, 0.0, 1.0);
    return static_cast<float>(std::max(std::asin(s), 0.0));
}

float SolarAzimuth(float latitude, float hourAngle, float declination, float height)
{
    double c = (std::sin(latitude) * std::cos(hourAngle) * std::cos(declination)
                   - std::cos(latitude) * std::sin(declination))
        / (std::cos(height) + 0.0000001);
    c = std::clamp(c, -1.0, 1.0);
    const double a = std::fabs(std::acos(c));
    return static_cast<float>(hourAngle < 0.0f ? -a : a);
}

SunData SolarHour(float latitude, float transparency, long long hourNumber)
{
    // The calendar repeats every 365 × 24 hours only approximately (twelve months of 30 days),
    // so the hour number is kept whole; 64 bits hold every hour a 32-bit day can give.
    const int hour = static_cast<int>(((hourNumber % 24) + 24) % 24);
    const long long day = (hourNumber - hour) / 24;
    const long long month = day / 30 + 1;
    const long long dayOfMonth = day % 30 + 1;
    const float delta = SolarDeclination(month, dayOfMonth);
    const float omega = SolarHourAngle(hour);

    double sinH = std::cos(omega) * std::cos(delta) * std::cos(latitude)
        + std::sin(delta) * std::sin(latitude);
    sinH = std::max(sinH, 0.0);
    SunData sun;
    if (sinH > 0.000001) {
        // Air mass of a 15 km atmosphere over a 6372 km earth radius.
        const double mu = (std::sqrt(sinH * sinH * 40602384.0 + 191385.0) - 6372.0 * sinH) / 15.0;
        sun.direct
            = static_cast<float>(1345.0 * std::pow(static_cast<double>(transparency), mu) * sinH);
        sun.diffuse = static_cast<float>(125.0 * std::pow(sinH, 0.4));
    }
    sun.height = SolarHeight(latitude, omega, delta);
    sun.azimuth = SolarAzimuth(latitude, omega, delta, sun.height);
    return sun;
}

float IncidentFlux(float albedo, float gamma, float beta, float sunAzimuth, float sunHeight,
    float direct, float diffuse)
{
    const double cosBeta = std::cos(beta);
    double flux
        = albedo * (direct + diffuse) * (1.0 + cosBeta) / 2.0 + diffuse * (1.0 - cosBeta) / 2.0;
    const double sinH = std::sin(sunHeight);
    const double cosTheta
        = std::cos(gamma - sunAzimuth) * std::sin(beta) * std::cos(sunHeight) - sinH * cosBeta;
    if (cosTheta > 0.0 && std::fabs(sinH) > 0.01)
        flux += cosTheta * direct / (sinH + 0.0000001);
    return static_cast<float>(flux);
}

} // namespace quelvan
