#include "engine/annual/YearBoundaries.h"

#include "core/Angles.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "engine/NCodedString.h"
#include "engine/SolarModel.h"
#include "model/CBCData.h"
#include "model/WallTables.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace quelvan::annual {

namespace {

// A weather column at every whole hour from 1 January 0:00: line h of the file at hour h,
// the year's last line at hour 0.
Failure WeatherColumnYear(const CBCData& record, WeatherColumn column,
    const AmbianceContext& context, std::vector<double>& values, ReadError* error)
{
    // The year starts on 1 January whatever day the record's week starts on.
    CBCData fromJanuary = record;
    fromJanuary.firstDay = 1;
    NCodedString profile;
    if (LoadWeatherColumn(fromJanuary, column, context.weather, profile, error) != Failure::None)
        return Failure::WeatherFile;
    // A week may read a shorter file again from its start; a year would sum its hours as if
    // they were a whole year's, so it needs all of them.
    const auto hours = static_cast<int>(profile.Segments().size());
    if (hours < kHoursPerYear) {
        if (error != nullptr)
            *error = { profile.FileError().file, hours + 2, {}, ReadFault::MissingLine,
                "une année compte " + std::to_string(kHoursPerYear)
                    + " heures : le fichier s'arrête à l'heure " + std::to_string(hours) };
        return Failure::WeatherFile;
    }
    values.resize(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h)
        values[static_cast<std::size_t>(h)] = profile.EvaluateProfile(units::kSecondsPerHour * h);
    return Failure::None;
}

struct FaceGeometry {
    float gamma = 0.0f; // azimuth of the face, rad
    float beta = 0.0f; // inclination, rad
    float albedo = 0.0f;
};

FaceGeometry GeometryOf(const CBCData& record, const AmbianceContext& context)
{
    return { static_cast<float>(DegreesToRadians(AzimuthDegrees(context.azimuthIndex))),
        static_cast<float>(DegreesToRadians(InclinationDegrees(context.inclinationIndex))),
        FloatValue(record.flux.values[2]) * 0.01f };
}

double FluxOnFace(const FaceGeometry& face, const SunData& sun)
{
    return IncidentFlux(
        face.albedo, face.gamma, face.beta, sun.azimuth, sun.height, sun.direct, sun.diffuse);
}

// The clear-sky sun of every hour of the year: hour number h is the sun h hours after
// 1 January 0:00 in the sun model's calendar.
void ComputedSunYear(const CBCData& record, const AmbianceContext& context, SideYear& year)
{
    const ProfileData& flux = record.flux;
    const float tau = FloatValue(flux.values[0]) * 0.01f;
    const auto phi = static_cast<float>(DegreesToRadians(FloatValue(flux.values[1])));
    const FaceGeometry face = GeometryOf(record, context);
    year.flux.resize(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h)
        year.flux[static_cast<std::size_t>(h)] = FluxOnFace(face, SolarHour(phi, tau, h));
}

Failure WeatherSunYear(
    const CBCData& record, const AmbianceContext& context, SideYear& year, ReadError* error)
{
    std::vector<double> azimuth, height, direct, diffuse;
    const std::pair<WeatherColumn, std::vector<double>*> columns[] = {
        { WeatherColumn::SunAzimuth, &azimuth },
        { WeatherColumn::SunHeight, &height },
        { WeatherColumn::Direct, &direct },
        { WeatherColumn::Diffuse, &diffuse },
    };
    for (const auto& [column, values] : columns)
        if (WeatherColumnYear(record, column, context, *values, error) != Failure::None)
            return Failure::WeatherFile;
    const FaceGeometry face = GeometryOf(record, context);
    year.flux.resize(kHoursPerYear);
    for (std::size_t h = 0; h < year.flux.size(); ++h) {
        const SunData sun { static_cast<float>(DegreesToRadians(azimuth[h])),
            static_cast<float>(DegreesToRadians(height[h])), static_cast<float>(direct[h]),
            static_cast<float>(diffuse[h]) };
        year.flux[h] = FluxOnFace(face, sun);
    }
    return Failure::None;
}

// A profile of n hourly values (a flat staircase, one step per hour) repeated over the year:
// hour h takes the value of hour h mod n, read in the middle of its step.
ErrorCode RepeatedProfileYear(const CBCData& record, Component component,
    const AmbianceContext& context, std::vector<double>& values)
{
    NCodedString profile;
    const ErrorCode code = BuildAmbianceProfile(&record, component, profile, context);
    if (code.IsError())
        return code;
    const long long n = std::max(1LL, std::llround(profile.Span() / units::kSecondsPerHour));
    values.resize(kHoursPerYear);
    for (int h = 0; h < kHoursPerYear; ++h) {
        const double middle
            = units::kSecondsPerHour * static_cast<double>(h % n) + units::kSecondsPerHour / 2;
        values[static_cast<std::size_t>(h)] = profile.EvaluateProfile(middle);
    }
    return {};
}

} // namespace

ErrorCode BuildSideYear(
    const CBCData& record, const AmbianceContext& context, SideYear& year, ReadError* weatherError)
{
    ErrorCode code;
    if (record.weatherFlag)
        code = WeatherColumnYear(
            record, WeatherColumn::Temperature, context, year.temperature, weatherError);
    else
        code = RepeatedProfileYear(record, Component::Temperature, context, year.temperature);
    if (code.IsError())
        return code;
    // As the weekly profiles: a weather ambiance's flux is its file's sun on the face, and a
    // computed flux the clear-sky sun.
    const bool computedSun = record.flux.type == ProfileType::Solar;
    if (record.weatherFlag && !computedSun)
        return WeatherSunYear(record, context, year, weatherError);
    if (computedSun) {
        ComputedSunYear(record, context, year);
        return {};
    }
    return RepeatedProfileYear(record, Component::Flux, context, year.flux);
}

} // namespace quelvan::annual
