#pragma once

// Weather stations of the user's own, imported from EPW files: an ambiance takes its weather
// from one of the ten cities (city index 0 to 9) or from a station of the project (index 10
// on), whose weather file is looked for as the cities' files are.
#include "core/NList.h"
#include "model/CBCData.h"

#include <string>
#include <string_view>

namespace quelvan {

struct WeatherStation {
    int index = 0; // where the ambiances' city field names it
    std::string name; // as the ambiance dialog lists it
    std::string fileName; // without a folder

    int Index() const { return index; }

    friend bool operator==(const WeatherStation&, const WeatherStation&) = default;
};

// Stations follow the ten cities, up to what the two columns of the city field hold.
inline constexpr int kFirstStationIndex = static_cast<int>(kCities.size());
inline constexpr int kLastStationIndex = 99;

// The longest station name, in characters, where it is typed: its weather file's name stays
// far within the 255 bytes a file name may take, and the project's lines that hold it (the
// station's and its ambiance's, "Météo de " and the name) within their 1000 characters.
inline constexpr int kMaxStationNameLength = 80;

// Whether the text can name a weather file in a folder: not empty, no folder part, no blank or
// control character (the project file keeps it in a field that ends at the next blank).
bool IsBareFileName(std::string_view name);

// The weather file name a station's name gives: "Station_" and the name in plain ASCII letters
// and digits (accents dropped, anything else an underscore), ".wth". Never one of the cities'
// names, so that an imported station never hides a city's file. At most 255 bytes, the longest
// file name, whatever the station's name (a longer one is cut).
std::string StationFileName(std::string_view stationName);

// The lowest index from kFirstStationIndex on that no station of the list holds; -1 when the
// list is full.
int FreeStationIndex(const NList<WeatherStation>& stations);

// The station of the list with that file name, else null.
const WeatherStation* StationWithFile(const NList<WeatherStation>& stations, std::string_view file);

} // namespace quelvan
