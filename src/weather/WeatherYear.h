#pragma once

#include <string>
#include <vector>

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
};

// A year of 8760 hours (hour-ending, local standard time, 1 January 0 h to 31 December 24 h)
// as the engine reads it: a header line, then per hour the tab-separated columns
// 1 hour number, 2 temperature, 3 direct, 4 diffuse, 5 global, 6 azimuth, 7 height.
struct WeatherYear {
    std::string description; // goes into the header line
    std::vector<WeatherHour> hours;

    // The 8761 lines, without line ends; numbers in the program's locale-free format.
    std::vector<std::string> FormatLines() const;
    // Every line ended by CR LF, Windows-1252 when every character fits (as the program's
    // other text files). Written atomically; false when the file cannot be written.
    bool Write(const std::string& path) const;
};

} // namespace quelvan
