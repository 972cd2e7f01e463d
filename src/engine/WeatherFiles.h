#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quelvan {

class WeatherTableCache;

// "FR_" + city + ".wth" for a city index of the city list ("FR_UndefinedFile.wth" outside it).
std::string WeatherFileName(int cityIndex);

// Where weather files are looked for, in this order: an explicit folder (the command line's
// --weather-dir) when given, the current folder, the project's folder, the user's data folder
// ($XDG_DATA_HOME/quelvan/weather or ~/.local/share/quelvan/weather), the installed folder
// (share/quelvan/weather: beside the running program, then under the prefix it was built for) and
// the build tree's generated folder.
// The project's imported weather stations go with the search: their files are found in the
// same folders as the cities' files.
struct WeatherSearch {
    std::string explicitDirectory;
    std::string projectDirectory;
    std::map<int, std::string> stationFiles = {}; // file name by city index (10 on)
    // A study's files read once for all its variants; none: each profile reads its file.
    std::shared_ptr<WeatherTableCache> tables = {};
};
// The weather file a city index names: a station's file when the search knows the index, else
// the city's (WeatherFileName).
std::string WeatherFileName(int cityIndex, const WeatherSearch& search);
// The user's weather folder ($XDG_DATA_HOME/quelvan/weather, ~/.local/share/quelvan/weather,
// %LOCALAPPDATA%/quelvan/weather); empty when the environment names none. Imported stations
// are written there.
std::string UserWeatherDirectory();
// The installed weather folder of the prefix the running program lies in (PREFIX/bin/quelvan-cli
// gives PREFIX/share/quelvan/weather), so that a package or an install under another prefix than
// the build's finds its files; empty when the program's own path cannot be read.
std::string WeatherDirectoryBesideProgram();
std::vector<std::string> WeatherSearchDirectories(const WeatherSearch& search);

// Full path of the first entry of that name in the search folders, whatever it is: the first
// match is the file, and the reader refuses it when it is not usable (a folder, a named pipe, a
// device, a broken link) rather than the search passing it over. A file whose name is stored in
// Windows-1252 bytes is found too. Empty when no folder holds the name.
std::optional<std::string> FindWeatherFile(
    const std::string& fileName, const WeatherSearch& search);

// Whether the file at the path holds hourly weather: a header line, then a line of hour 1
// whose first seven cells (tabs or blanks between them) are numbers, as the program's own
// weather files, those imported from EPW files and shorter files read from their start (a
// typical day). A results file starts at hour 0 and a project with a text line, so neither is
// taken for one. Commands refuse to replace such a file unless told to: it may hold measured
// data that cannot be made again.
bool HoldsWeatherYear(const std::string& path);

} // namespace quelvan
