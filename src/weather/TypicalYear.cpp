#include "weather/TypicalYear.h"

#include "core/Angles.h"
#include "core/WaterVapour.h"
#include "weather/DiurnalCurves.h"
#include "weather/SolarPosition.h"
#include "weather/SplitMix64.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quelvan::weather {

namespace {

// Day-to-day variability: clearness anomaly (standard deviation, lag-one correlation),
// temperature anomalies and their coupling to the clearness (K per unit of clearness). The
// clearness spread is above the measured within-month spread (0.10 to 0.17) because the floor
// and the clear-sky cap narrow it, and because hours within a day share the day's clearness:
// a narrower spread makes the diffuse share of the year too large.
constexpr double kClearnessSpread = 0.20;
constexpr double kClearnessPersistence = 0.3;
constexpr double kMaximumSpread = 2.5;
constexpr double kMaximumPersistence = 0.6;
constexpr double kMinimumSpread = 2.2;
constexpr double kMinimumPersistence = 0.5;
constexpr double kMaximumCoupling = 13.0;
constexpr double kColdMonthMinimumCoupling = -5.0; // clear winter nights are colder
constexpr double kLowestDailyClearness = 0.05;
constexpr double kHighestDailyClearness = 0.80;
// Below this sun height the beam is too uncertain to keep: the whole hour counts as diffuse.
constexpr double kLowestBeamHeight = 2.0;
// An hour counts as sunlit when the sun is up for at least this long (h) and this high (°).
constexpr double kShortestSunlitPart = 0.02;
constexpr double kLowestSunlitHeight = 0.05;

struct SolarHour {
    bool sunlit = false;
    double length = 0.0; // sunlit part of the hour, h
    double sinHeight = 0.0;
    SunPosition position; // at the middle of the sunlit part (or of the hour)
    double hourAngle = 0.0; // radians, at the same time
    double extraterrestrial = 0.0; // hour mean on a horizontal plane, W/m²
    double clearSkyCap = 0.0; // hour mean, W/m²
};

struct SolarDay {
    Daylight daylight;
    double sunsetHourAngle = 0.0;
    double extraterrestrial = 0.0; // daily, Wh/m²
    double cap = 0.0; // highest daily irradiation allowed, Wh/m²
    std::array<SolarHour, 24> hours {};
};

std::vector<SolarDay> SolarGeometry(const Site& site)
{
    std::vector<SolarDay> days(kDaysPerYear);
    for (int d = 0; d < kDaysPerYear; ++d) {
        SolarDay& day = days[static_cast<std::size_t>(d)];
        const int dayOfYear = d + 1;
        day.daylight = DaylightOf(site, dayOfYear);
        const double solarNoon = 0.5 * (day.daylight.sunrise + day.daylight.sunset);
        day.sunsetHourAngle
            = 0.5 * (day.daylight.sunset - day.daylight.sunrise) * 15.0 * kRadiansPerDegree;
        day.extraterrestrial = DailyExtraterrestrialIrradiation(site.latitude, dayOfYear);
        const double distance
            = 1.0 + 0.033 * std::cos(2.0 * std::numbers::pi * dayOfYear / kDaysPerYear);
        double clearSkyDay = 0.0;
        for (int h = 0; h < 24; ++h) {
            SolarHour& hour = day.hours[static_cast<std::size_t>(h)];
            const SunlitPart part = SunlitPartOfHour(day.daylight, h + 1.0);
            hour.position = SunAt(site, dayOfYear, part.middle);
            hour.sunlit
                = part.length >= kShortestSunlitPart && hour.position.height >= kLowestSunlitHeight;
            if (!hour.sunlit)
                continue;
            hour.length = part.length;
            hour.sinHeight = std::sin(hour.position.height * kRadiansPerDegree);
            hour.hourAngle = (part.middle - solarNoon) * 15.0 * kRadiansPerDegree;
            hour.extraterrestrial = kSolarConstant * distance * hour.sinHeight * hour.length;
            hour.clearSkyCap = ClearSkyGlobal(hour.sinHeight) * hour.length;
            clearSkyDay += hour.clearSkyCap;
        }
        day.cap = std::min(kHighestDailyClearness * day.extraterrestrial, 0.97 * clearSkyDay);
    }
    return days;
}

// Daily global irradiation (Wh/m²): Angström-Prescott monthly totals, spread over the days by
// an autoregressive clearness, each day kept between its floor and its clear-sky cap.
std::vector<double> DailyIrradiation(
    const CityNormals& normals, const std::vector<SolarDay>& days, SplitMix64& random)
{
    std::vector<double> daily(days.size());
    double anomaly = 0.0;
    const double innovation
        = kClearnessSpread * std::sqrt(1.0 - kClearnessPersistence * kClearnessPersistence);
    for (int month = 1; month <= 12; ++month) {
        const int first = FirstDayOfMonth(month);
        const int count = DaysInMonth(month);
        const double target = AngstromMonthlyDailyIrradiation(normals, month) * count;
        double extraterrestrial = 0.0;
        for (int d = first; d < first + count; ++d)
            extraterrestrial += days[static_cast<std::size_t>(d)].extraterrestrial;
        const double meanClearness = target / extraterrestrial;
        for (int d = first; d < first + count; ++d) {
            anomaly = kClearnessPersistence * anomaly + innovation * random.Normal();
            daily[static_cast<std::size_t>(d)]
                = (meanClearness + anomaly) * days[static_cast<std::size_t>(d)].extraterrestrial;
        }
        // Scale the month to its total, keeping each day within its bounds.
        for (int round = 0; round < 50; ++round) {
            double sum = 0.0;
            for (int d = first; d < first + count; ++d) {
                const SolarDay& day = days[static_cast<std::size_t>(d)];
                double& value = daily[static_cast<std::size_t>(d)];
                value = std::clamp(value, kLowestDailyClearness * day.extraterrestrial, day.cap);
                sum += value;
            }
            if (std::abs(sum - target) <= 1e-9 * target)
                break;
            const double factor = target / sum;
            for (int d = first; d < first + count; ++d)
                daily[static_cast<std::size_t>(d)] *= factor;
        }
    }
    return daily;
}

// Mean-preserving daily values of a monthly quantity: linear between mid-months, then shifted
// month by month so that each month's mean is the normal.
std::vector<double> SmoothDaily(const std::array<double, 12>& monthly)
{
    std::vector<double> daily(kDaysPerYear);
    std::array<double, 12> middle {};
    for (int m = 1; m <= 12; ++m)
        middle[static_cast<std::size_t>(m - 1)] = FirstDayOfMonth(m) + 0.5 * DaysInMonth(m);
    for (int d = 0; d < kDaysPerYear; ++d) {
        const double t = d + 0.5;
        int after = 0;
        while (after < 12 && middle[static_cast<std::size_t>(after)] <= t)
            ++after;
        const int before = (after + 11) % 12;
        const int next = after % 12;
        double t0 = middle[static_cast<std::size_t>(before)];
        double t1 = middle[static_cast<std::size_t>(next)];
        if (t0 > t)
            t0 -= kDaysPerYear;
        if (t1 < t)
            t1 += kDaysPerYear;
        const double w = (t - t0) / (t1 - t0);
        daily[static_cast<std::size_t>(d)] = (1.0 - w) * monthly[static_cast<std::size_t>(before)]
            + w * monthly[static_cast<std::size_t>(next)];
    }
    for (int m = 1; m <= 12; ++m) {
        double mean = 0.0;
        for (int d = FirstDayOfMonth(m); d < FirstDayOfMonth(m) + DaysInMonth(m); ++d)
            mean += daily[static_cast<std::size_t>(d)];
        mean /= DaysInMonth(m);
        for (int d = FirstDayOfMonth(m); d < FirstDayOfMonth(m) + DaysInMonth(m); ++d)
            daily[static_cast<std::size_t>(d)] += monthly[static_cast<std::size_t>(m - 1)] - mean;
    }
    return daily;
}

// Removes each month's mean from a daily series.
void CentreByMonth(std::vector<double>& values)
{
    for (int m = 1; m <= 12; ++m) {
        const int first = FirstDayOfMonth(m);
        const int count = DaysInMonth(m);
        double mean = 0.0;
        for (int d = first; d < first + count; ++d)
            mean += values[static_cast<std::size_t>(d)];
        mean /= count;
        for (int d = first; d < first + count; ++d)
            values[static_cast<std::size_t>(d)] -= mean;
    }
}

std::vector<TemperatureDay> DailyTemperatures(const CityNormals& normals,
    const std::vector<SolarDay>& days, const std::vector<double>& irradiation, SplitMix64& random)
{
    const std::vector<double> baseMinimum = SmoothDaily(normals.minimumTemperature);
    const std::vector<double> baseMaximum = SmoothDaily(normals.maximumTemperature);
    std::vector<double> clearness(days.size());
    for (std::size_t d = 0; d < days.size(); ++d)
        clearness[d] = irradiation[d] / days[d].extraterrestrial;
    std::vector<double> clearnessAnomaly = clearness;
    CentreByMonth(clearnessAnomaly);

    std::vector<double> maximumAnomaly(days.size());
    std::vector<double> minimumAnomaly(days.size());
    double x = 0.0;
    double n = 0.0;
    for (std::size_t d = 0; d < days.size(); ++d) {
        x = kMaximumPersistence * x
            + kMaximumSpread * std::sqrt(1.0 - kMaximumPersistence * kMaximumPersistence)
                * random.Normal();
        n = kMinimumPersistence * n
            + kMinimumSpread * std::sqrt(1.0 - kMinimumPersistence * kMinimumPersistence)
                * random.Normal();
        const int month = MonthOfDay(static_cast<int>(d));
        const bool coldMonth = month <= 3 || month >= 10;
        maximumAnomaly[d] = x + kMaximumCoupling * clearnessAnomaly[d];
        minimumAnomaly[d] = n + (coldMonth ? kColdMonthMinimumCoupling : 0.0) * clearnessAnomaly[d];
    }
    CentreByMonth(maximumAnomaly);
    CentreByMonth(minimumAnomaly);

    std::vector<TemperatureDay> result(days.size());
    for (std::size_t d = 0; d < days.size(); ++d) {
        TemperatureDay& t = result[d];
        t.minimum = baseMinimum[d] + minimumAnomaly[d];
        t.maximum = baseMaximum[d] + maximumAnomaly[d];
        const double missing = t.minimum + 1.0 - t.maximum;
        if (missing > 0.0) {
            t.minimum -= 0.5 * missing;
            t.maximum += 0.5 * missing;
        }
        t.sunrise = days[d].daylight.sunrise;
        t.sunset = days[d].daylight.sunset;
    }
    return result;
}

// Maps each month's hourly temperatures through an increasing affine function so that the
// means of the sampled daily minima and maxima equal the normals (an increasing map keeps the
// hour of each day's extreme, so the means move exactly).
void MatchMonthlyExtremes(const CityNormals& normals, std::vector<WeatherHour>& hours)
{
    for (int m = 1; m <= 12; ++m) {
        const int first = FirstDayOfMonth(m);
        const int count = DaysInMonth(m);
        double meanMinimum = 0.0;
        double meanMaximum = 0.0;
        for (int d = first; d < first + count; ++d) {
            double low = hours[static_cast<std::size_t>(24 * d)].temperature;
            double high = low;
            for (int h = 1; h < 24; ++h) {
                const double v = hours[static_cast<std::size_t>(24 * d + h)].temperature;
                low = std::min(low, v);
                high = std::max(high, v);
            }
            meanMinimum += low / count;
            meanMaximum += high / count;
        }
        const double wantedMinimum = normals.minimumTemperature[static_cast<std::size_t>(m - 1)];
        const double wantedMaximum = normals.maximumTemperature[static_cast<std::size_t>(m - 1)];
        if (meanMaximum - meanMinimum < 0.1 || wantedMaximum <= wantedMinimum)
            continue;
        const double slope = (wantedMaximum - wantedMinimum) / (meanMaximum - meanMinimum);
        for (int i = 24 * first; i < 24 * (first + count); ++i) {
            double& t = hours[static_cast<std::size_t>(i)].temperature;
            t = wantedMinimum + slope * (t - meanMinimum);
        }
    }
}

void FillIrradiance(const SolarDay& day, double irradiation, WeatherHour* hours)
{
    std::vector<double> weights(24, 0.0);
    std::vector<double> caps(24, 0.0);
    for (std::size_t h = 0; h < 24; ++h) {
        const SolarHour& s = day.hours[h];
        if (!s.sunlit)
            continue;
        weights[h] = HourlyShareWeight(s.hourAngle, day.sunsetHourAngle, s.length);
        caps[h] = s.clearSkyCap;
    }
    const std::vector<double> global = SpreadWithCaps(irradiation, weights, caps);
    for (std::size_t h = 0; h < 24; ++h) {
        const SolarHour& s = day.hours[h];
        WeatherHour& out = hours[h];
        out.sunAzimuth = s.position.azimuth;
        out.sunHeight = s.sunlit ? s.position.height : 0.0;
        if (!s.sunlit)
            continue;
        out.global = global[h];
        const double clearness = s.extraterrestrial > 0.0 ? global[h] / s.extraterrestrial : 1.0;
        out.diffuse = s.position.height < kLowestBeamHeight
            ? global[h]
            : DiffuseFraction(clearness) * global[h];
        out.direct = global[h] - out.diffuse;
    }
}

// The month's mean vapour pressure held over every hour, so that the relative humidity follows
// the inverse of the daily temperature curve (highest at dawn); at most 100 %. Uses no random
// number, so the temperatures and irradiances stay those of a table without humidity.
void FillHumidity(const CityNormals& normals, std::vector<WeatherHour>& hours)
{
    std::size_t hour = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        const std::size_t count
            = 24 * static_cast<std::size_t>(DaysInMonth(static_cast<int>(m) + 1));
        for (std::size_t h = 0; h < count && hour < hours.size(); ++h, ++hour) {
            const double psat = SaturationPressure(hours[hour].temperature);
            hours[hour].relativeHumidity
                = std::min(100.0, 100.0 * normals.vapourPressure[m] / psat);
        }
    }
}

} // namespace

WeatherYear GenerateTypicalYear(const CityNormals& normals, std::uint64_t seed)
{
    SplitMix64 random(seed);
    const std::vector<SolarDay> days = SolarGeometry(normals.site);
    const std::vector<double> irradiation = DailyIrradiation(normals, days, random);
    const std::vector<TemperatureDay> temperatures
        = DailyTemperatures(normals, days, irradiation, random);

    WeatherYear year;
    year.description = "Année type synthétisée à partir des normales mensuelles : " + normals.city
        + " (" + normals.station + "), qualité températures " + normals.temperatureQuality
        + ", ensoleillement " + normals.sunshineQuality;
    year.hours.resize(kHoursPerYear);
    for (std::size_t d = 0; d < days.size(); ++d) {
        const TemperatureDay& previous = temperatures[(d + days.size() - 1) % days.size()];
        const TemperatureDay& next = temperatures[(d + 1) % days.size()];
        WeatherHour* dayHours = &year.hours[24 * d];
        for (int h = 0; h < 24; ++h)
            dayHours[h].temperature
                = PartonLoganTemperature(previous, temperatures[d], next, h + 1.0);
        FillIrradiance(days[d], irradiation[d], dayHours);
    }
    MatchMonthlyExtremes(normals, year.hours);
    if (normals.hasHumidity) {
        year.hasHumidity = true;
        year.description += std::string(", humidité ") + normals.humidityQuality
            + " (pression de vapeur mensuelle tenue sur chaque jour)";
        FillHumidity(normals, year.hours);
    }
    return year;
}

WeatherYear GenerateTypicalYear(const CityNormals& normals)
{
    return GenerateTypicalYear(
        normals, SplitMix64::SeedFromText(CityKey(normals.city), 0x5175656C76616Eull));
}

} // namespace quelvan::weather
