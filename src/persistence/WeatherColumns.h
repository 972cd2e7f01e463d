#pragma once

#include "core/PhysicalBounds.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quelvan {

// One hour of a weather file: values at the end of the hour (temperature) or over the hour
// (irradiances, W/m²), and the sun position that represents the hour.
struct WeatherHour {
    double temperature = 0.0; // air, °C
    double direct = 0.0; // direct horizontal irradiance
    double diffuse = 0.0; // diffuse horizontal irradiance
    double global = 0.0; // global horizontal irradiance
    double sunAzimuth = 0.0; // degrees from south, positive toward west
    double sunHeight = 0.0; // degrees, never negative
    double relativeHumidity = 0.0; // %, for the moisture check only
};

// The tab-separated columns of a ".wth" file, numbered from 1 as profiles read them by number.
enum class WeatherColumn : int {
    Hour = 1,
    Temperature,
    Direct,
    Diffuse,
    Global,
    SunAzimuth,
    SunHeight,
    // After the seven columns the week reads: only the moisture check reads it, and a file
    // without it still runs the week and the annual balance.
    RelativeHumidity,
};

// How a column is written and read.
struct WeatherColumnInfo {
    WeatherColumn column;
    std::string_view header; // its name in the header line
    double WeatherHour::*value; // nullptr for the hour number
    int decimals; // written with this many
    bool neverNegative; // a value below 0 is written as 0
    const Bounds* bounds; // the cells a calculation accepts; nullptr when it never reads them
};

// The one layout of a weather file: the writer (weather/WeatherYear) writes these columns in
// this order after a header line of their names, and the engine reads its columns by these
// numbers within these bounds.
inline constexpr std::array<WeatherColumnInfo, 8> kWeatherColumns { {
    { WeatherColumn::Hour, "heure", nullptr, 0, false, nullptr },
    { WeatherColumn::Temperature, "temperature_air_C", &WeatherHour::temperature, 1, false,
        &bounds::kWeatherTemperature },
    { WeatherColumn::Direct, "direct_horizontal_W_m2", &WeatherHour::direct, 1, true,
        &bounds::kIrradiance },
    { WeatherColumn::Diffuse, "diffus_horizontal_W_m2", &WeatherHour::diffuse, 1, true,
        &bounds::kIrradiance },
    { WeatherColumn::Global, "global_horizontal_W_m2", &WeatherHour::global, 1, true, nullptr },
    { WeatherColumn::SunAzimuth, "azimut_soleil_deg", &WeatherHour::sunAzimuth, 2, false,
        &bounds::kSunAzimuth },
    { WeatherColumn::SunHeight, "hauteur_soleil_deg", &WeatherHour::sunHeight, 2, true,
        &bounds::kSunHeight },
    { WeatherColumn::RelativeHumidity, "humidite_relative_pct", &WeatherHour::relativeHumidity, 1,
        true, nullptr },
} };

constexpr const WeatherColumnInfo& WeatherColumnOf(WeatherColumn column)
{
    return kWeatherColumns[static_cast<std::size_t>(column) - 1];
}

static_assert([] {
    for (std::size_t i = 0; i < kWeatherColumns.size(); ++i)
        if (static_cast<std::size_t>(kWeatherColumns[i].column) != i + 1)
            return false;
    return true;
}());

} // namespace quelvan
