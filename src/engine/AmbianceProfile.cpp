#include "engine/AmbianceProfile.h"

#include "core/Angles.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "engine/NCodedString.h"
#include "engine/SolarModel.h"
#include "model/CBCData.h"
#include "model/WallTables.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace quelvan {

namespace {
constexpr double kWindowFrom = -1.0;
constexpr double kWindowTo = 10000000000.0;

// The hours a week of weather lists: the week's end too when every hour is read at its true time.
int WeatherWeekHours(const AmbianceContext& context)
{
    return context.atTrueHours ? 169 : 168;
}

double WeatherOrigin(const CBCData& record)
{
    return (static_cast<double>(record.firstDay) - 1.0) * units::kSecondsPerDay;
}

std::vector<std::string> WeatherTemperatures(
    const CBCData& record, const AmbianceContext& context, Failure& error, ReadError* where)
{
    NCodedString w;
    error = LoadWeatherColumn(record, WeatherColumn::Temperature, context.weather, w, where);
    if (error != Failure::None)
        return {};
    const double t0 = WeatherOrigin(record);
    std::vector<std::string> values;
    for (int i = 0; i < WeatherWeekHours(context); ++i)
        values.push_back(FormatDouble("%.1f", w.EvaluateProfile(t0 + units::kSecondsPerHour * i)));
    return values;
}

std::vector<std::string> SolarFluxes(const CBCData& record, Component component,
    const AmbianceContext& context, Failure& error, ReadError* where)
{
    const ProfileData& own = record.Profile(component);
    const ProfileData& flux = record.flux;
    const bool computed = own.type == ProfileType::Solar;
    const int n = computed ? PeriodHours(own.period) : WeatherWeekHours(context);
    const float gamma = static_cast<float>(DegreesToRadians(AzimuthDegrees(context.azimuthIndex)));
    const float beta
        = static_cast<float>(DegreesToRadians(InclinationDegrees(context.inclinationIndex)));

    std::vector<SunData> suns(static_cast<size_t>(n));
    if (computed) {
        const float tau = FloatValue(flux.values[0]) * 0.01f;
        const float phi = static_cast<float>(DegreesToRadians(FloatValue(flux.values[1])));
        // Hour numbers in 64 bits: any day of 32 bits gives one.
        const long long day = IntValue(flux.values[3]);
        const int next = context.atTrueHours ? 0 : 1;
        for (int i = 0; i < n; ++i) {
            const long long m = day > 0 ? 24 * (day - 1) + i + next : i + next;
            suns[static_cast<size_t>(i)] = SolarHour(phi, tau, m);
        }
    } else {
        NCodedString azimuth, height, direct, diffuse;
        const std::pair<WeatherColumn, NCodedString*> columns[] = {
            { WeatherColumn::SunAzimuth, &azimuth },
            { WeatherColumn::SunHeight, &height },
            { WeatherColumn::Direct, &direct },
            { WeatherColumn::Diffuse, &diffuse },
        };
        for (const auto& [column, profile] : columns) {
            error = LoadWeatherColumn(record, column, context.weather, *profile, where);
            if (error != Failure::None)
                return {};
        }
        const double t0 = WeatherOrigin(record);
        for (int i = 0; i < n; ++i) {
            const double t = t0 + units::kSecondsPerHour * i;
            SunData& s = suns[static_cast<size_t>(i)];
            s.azimuth = static_cast<float>(DegreesToRadians(azimuth.EvaluateProfile(t)));
            s.height = static_cast<float>(DegreesToRadians(height.EvaluateProfile(t)));
            s.direct = direct.EvaluateProfile(t);
            s.diffuse = diffuse.EvaluateProfile(t);
        }
    }
    const float rho = FloatValue(flux.values[2]) * 0.01f;
    std::vector<std::string> values;
    for (const SunData& s : suns) {
        values.push_back(FormatDouble(
            "%.0f", IncidentFlux(rho, gamma, beta, s.azimuth, s.height, s.direct, s.diffuse)));
    }
    return values;
}

void Put(std::vector<std::string>& values, long long i, const std::string& text)
{
    if (i >= 0 && i < static_cast<long long>(values.size()))
        values[static_cast<size_t>(i)] = text;
}

std::vector<std::string> SimpleValues(const ProfileData& p, NCodedString& target)
{
    const bool daily = p.period == Period::Day || p.type == ProfileType::Sinusoid;
    const long long n = PeriodHours(daily ? Period::Day : Period::Week);
    target.SetDimension(daily ? "HD1" : "HD7");
    target.SetDataKind('S');
    target.SetValueUnit('R');
    // Hours of 32 bits held in 64, so that no difference or bound below can overflow.
    const long long i2 = IntValue(p.values[2]);
    const long long i3 = IntValue(p.values[3]);
    const std::string& textA = p.values[0];
    const std::string& textB = p.values[1];
    const double a = FloatValue(textA);
    const double b = FloatValue(textB);
    std::vector<std::string> values(static_cast<size_t>(n));
    switch (p.type) {
    case ProfileType::Null:
        values.assign(values.size(), std::string(1, '0'));
        break;
    case ProfileType::Constant:
        std::fill(values.begin(), values.end(), textB);
        break;
    case ProfileType::Sinusoid: {
        // A cosine whose maximum falls on hour i2.
        const double mean = (a + b) / 2.0;
        const double amplitude = (b - a) / 2.0;
        for (long long i = 0; i < n; ++i) {
            const double v = mean
                + amplitude
                    * std::sin(static_cast<double>(i - i2) * 2.0 * std::numbers::pi / 24.0
                        + std::numbers::pi / 2.0);
            Put(values, i, FormatDouble("%.2f", v));
        }
        break;
    }
    case ProfileType::Ramp:
        for (long long i = 0; i < std::min(i2, n); ++i)
            Put(values, i, textA);
        for (long long i = std::max(i2, 0LL); i <= i3 - 2 && i < n; ++i) {
            const double v
                = static_cast<double>(i - i2 + 1) * (b - a) / static_cast<double>(i3 - i2);
            Put(values, i, FormatDouble("%.2f", v + a));
        }
        Put(values, std::max(i2, i3 - 1), textB);
        for (long long i = std::max(i3, 0LL); i < n; ++i)
            Put(values, i, textB);
        break;
    case ProfileType::Square:
        for (long long i = 0; i < std::min(i2, n); ++i)
            Put(values, i, textA);
        for (long long i = std::max(i2, 0LL); i < std::min(i3, n); ++i)
            Put(values, i, textB);
        for (long long i = std::max(i3, 0LL); i < n; ++i)
            Put(values, i, textA);
        break;
    default:
        break; // empty texts read as 0
    }
    return values;
}
} // namespace

Failure LoadWeatherColumn(const CBCData& record, WeatherColumn column, const WeatherSearch& search,
    NCodedString& profile, ReadError* error)
{
    const std::string name = WeatherFileName(record.cityIndex, search);
    const std::optional<std::string> path = FindWeatherFile(name, search);
    if (!path) {
        if (error != nullptr)
            *error = { name, 0, {}, ReadFault::NotFound, {} };
        return Failure::WeatherFile;
    }
    profile.SetDimension("HD7");
    profile.SetDataKind('S');
    profile.SetValueUnit('R');
    const WeatherColumnInfo& info = WeatherColumnOf(column);
    profile.SetFileAndColumn(*path, static_cast<int>(info.column));
    profile.SetHourColumn(static_cast<int>(WeatherColumn::Hour));
    // A cell outside the column's bounds refuses the file.
    if (info.bounds != nullptr)
        profile.SetCellBounds(*info.bounds);
    if (profile.FinalizeProfile(kWindowFrom, kWindowTo) != ProfileFault::None) {
        if (error != nullptr)
            *error = profile.FileError();
        return Failure::WeatherFile;
    }
    // A file shorter than a year repeats itself from its start (a typical day, read from day
    // 1); a first day that starts after its last hour would read other days' weather.
    const long long firstHour = 24LL * (record.firstDay - 1) + 1;
    const auto hours = static_cast<long long>(profile.Segments().size());
    if (firstHour > hours) {
        if (error != nullptr)
            *error = { profile.FileError().file, static_cast<int>(std::min(firstHour + 1, 32000LL)),
                {}, ReadFault::MissingLine,
                "premier jour " + std::to_string(record.firstDay)
                    + " : le fichier s'arrête à l'heure " + std::to_string(hours) };
        return Failure::WeatherFile;
    }
    return Failure::None;
}

ErrorCode BuildAmbianceProfile(const CBCData* record, Component component, NCodedString& target,
    const AmbianceContext& context, ReadError* weatherError)
{
    if (record == nullptr)
        return Failure::General;
    Failure error = Failure::None;
    target = NCodedString();
    target.SetDimension("HD1");
    target.SetDataKind('S');
    target.SetValueUnit('R');

    const ProfileData& own = record->Profile(component);
    std::vector<std::string> values;
    if (record->weatherFlag && component == Component::Temperature)
        values = WeatherTemperatures(*record, context, error, weatherError);
    else if ((record->weatherFlag && component == Component::Flux)
        || own.type == ProfileType::Solar)
        values = SolarFluxes(*record, component, context, error, weatherError);
    else
        values = SimpleValues(own, target);
    if (error != Failure::None)
        return error;

    target.StoreValues(std::move(values));
    const ErrorCode code = target.FinalizeProfile(kWindowFrom, kWindowTo);
    if (code != ProfileFault::None)
        return code;
    if (!target.IsValid())
        return Failure::General;
    return Failure::None;
}

float InitialAmbientTemperature(const CBCData& record, NCodedString& temperatureProfile, double t)
{
    const ProfileData& p = record.temperature;
    switch (p.type) {
    case ProfileType::Sinusoid:
    case ProfileType::Ramp:
    case ProfileType::Square:
        return (FloatValue(p.values[0]) + FloatValue(p.values[1])) / 2.0f;
    case ProfileType::Constant:
        return FloatValue(p.values[1]);
    case ProfileType::Null:
        return 0.0f;
    default:
        return temperatureProfile.EvaluateProfile(t);
    }
}

} // namespace quelvan
