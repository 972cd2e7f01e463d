#pragma once

#include "weather/SolarPosition.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvan::weather {

// Monthly climate normals of one city, read from the comma-separated table of the data folder
// (one row per city and variable; see data/climate/README.md). Quality flags: A station normal,
// B station values with a caveat, C rounded or proxy values, D not found, P placeholder
// derived by the table's authors.
struct CityNormals {
    std::string city; // as written in the table ("Macon", "La Rochelle")
    std::string station;
    Site site; // time zone +1: every city of the table is in France
    double altitude = 0.0;
    std::array<double, 12> minimumTemperature {}; // mean daily minimum, °C
    std::array<double, 12> maximumTemperature {}; // mean daily maximum, °C
    std::array<double, 12> sunshineHours {}; // monthly sunshine duration, hours
    char temperatureQuality = 'D'; // the worse of the two temperature rows
    char sunshineQuality = 'D'; // 'P' when the monthly values are placeholders
    // Monthly mean exterior vapour pressure in Pa (row "pv_Pa"), for the humidity column of the
    // weather files; optional, a table without it gives files without that column.
    std::array<double, 12> vapourPressure {};
    bool hasHumidity = false;
    char humidityQuality = 'D';
};

struct ClimateTable {
    std::vector<CityNormals> cities;
};

struct ClimateTableResult {
    std::optional<ClimateTable> table;
    std::string error; // French, with the line number, when the table cannot be used
};

// Reads the table from decoded lines / from a file. A city is usable only with complete
// monthly minimum and maximum temperatures and monthly sunshine (the measured row, or the
// placeholder row "sun_h_derived" when the measured one has no monthly values).
ClimateTableResult ParseClimateTable(const std::vector<std::string>& lines);
ClimateTableResult ReadClimateTable(const std::string& path);

// Compares city names the way users type them: case, blanks and the accents of the city list
// are ignored ("Mâcon", "Macon" and "macon"; "LaRochelle" and "La Rochelle").
std::string CityKey(std::string_view name);
const CityNormals* FindCity(const ClimateTable& table, std::string_view name);

// Monthly mean global horizontal irradiation (Wh/m² per day) by Angström-Prescott with the
// FAO default coefficients 0.25 and 0.50, from the month's sunshine and its astronomical day
// length and extraterrestrial irradiation.
double AngstromMonthlyDailyIrradiation(const CityNormals& normals, int month);

} // namespace quelvan::weather
