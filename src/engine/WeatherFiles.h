#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quelvan {

// "FR_" + city + ".wth" for a city index of the city list ("FR_UndefinedFile.wth" outside it).
std::string WeatherFileName(int cityIndex);

// Where weather files are looked for, in this order: an explicit folder (the command line's
// --weather-dir) when given, the current folder, the project's folder, the user's data folder
// ($XDG_DATA_HOME/quelvan/weather or ~/.local/share/quelvan/weather), the installed folder
// (share/quelvan/weather) and the build tree's generated folder.
struct WeatherSearch {
    std::string explicitDirectory;
    std::string projectDirectory;
};
std::vector<std::string> WeatherSearchDirectories(const WeatherSearch& search);

// Full path of the first existing file of that name in the search folders; a file whose name
// is stored in Windows-1252 bytes is found too. Empty when none exists.
std::optional<std::string> FindWeatherFile(const std::string& fileName, const WeatherSearch& search);

} // namespace quelvan
