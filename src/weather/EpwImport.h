#pragma once

#include "weather/SolarPosition.h"
#include "weather/WeatherYear.h"

#include <optional>
#include <string>
#include <vector>

namespace quelvan::weather {

// Reads an hourly EPW weather file (comma-separated; LOCATION header with latitude, longitude
// and time zone; one record per hour, hour-ending local standard time) into a weather year:
// dry-bulb temperature, direct horizontal = direct normal × sine of the sun height,
// diffuse horizontal, global horizontal, and the sun position at the middle of the sunlit part
// of each hour, computed for the file's site.
//
// Repairs, each reported in `repairs`:
// - a leap year (8784 records): 29 February is dropped, so 1 March stays day 60;
// - a missing value (EPW codes 99.9 for temperature, 9999 for irradiance, an empty field, or a
//   value outside the bounds of a weather file, core/PhysicalBounds.h: a temperature below
//   -100 °C, a negative irradiance or one above 2000 W/m²): irradiance while the sun is down
//   becomes 0; a missing direct normal
//   is taken as global minus diffuse, a missing diffuse as global minus direct, a missing
//   global as direct plus diffuse; what remains is interpolated linearly when the gap is at
//   most kLongestRepairedGap hours; absent records count as missing values. A longer gap, or
//   more than kLongestRepairedGap absent records, refuses the file.
// Refused (error in French, no year): no LOCATION line or unreadable coordinates, sub-hourly
// data, a record with too few fields, an impossible date or hour, the same hour twice,
// non-numeric text in a field that is used; and a time zone that contradicts the irradiance:
// more than kMostNightIrradianceHours hours whose global irradiance exceeds
// kTwilightIrradiance while the sun, computed for the file's site and time zone, stays below
// the horizon the whole hour (a zone written -1 for +1 gives some 500), unless the options
// accept it, which then gives the year and the same text as a warning.
struct EpwImportResult {
    std::optional<WeatherYear> year;
    std::string error;
    std::vector<std::string> repairs;
    std::string warning; // a contradiction the options accepted
    Site site;
    std::string location; // city, region and country of the LOCATION line
    int nightIrradianceHours = 0; // the hours that contradict the time zone
};

struct EpwImportOptions {
    bool acceptTimeZoneContradiction = false;
};

inline constexpr int kLongestRepairedGap = 6;
// Twilight and the refraction of the rising and setting sun, which the computed sun ignores, give
// an hour a few W/m² at most while it stays below the horizon.
inline constexpr double kTwilightIrradiance = 10.0; // W/m²
// A sound file has none of those hours; a time zone one hour off already gives some hundred.
inline constexpr int kMostNightIrradianceHours = 48;

EpwImportResult ImportEpwLines(
    const std::vector<std::string>& lines, const EpwImportOptions& options = {});
EpwImportResult ImportEpwFile(const std::string& path, const EpwImportOptions& options = {});

// Whether the file at the path is an EPW weather file rather than a project: a regular file
// whose name ends in ".epw" (any case) or whose first line is a LOCATION line. Only the first
// bytes are read.
bool LooksLikeEpwFile(const std::string& path);

} // namespace quelvan::weather
