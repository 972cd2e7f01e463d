#pragma once

#include "persistence/WeatherColumns.h"

#include <string>
#include <vector>

namespace quelvan::weather {

// A year of 8760 hours (hour-ending, local standard time, 1 January 0 h to 31 December 24 h)
// as the engine reads it: a header line, then one line per hour in the columns of
// kWeatherColumns.
struct WeatherYear {
    std::string description; // goes into the header line
    std::vector<WeatherHour> hours;
    // Whether the hours carry a relative humidity: the humidity column is written only then, so
    // a year made without humidity keeps the seven columns it always had.
    bool hasHumidity = false;

    // The 8761 lines, without line ends; numbers in the program's locale-free format.
    std::vector<std::string> FormatLines() const;
    // Every line ended by CR LF, Windows-1252 when every character fits (as the program's
    // other text files). Written atomically; false when the file cannot be written.
    bool Write(const std::string& path) const;
};

} // namespace quelvan::weather
