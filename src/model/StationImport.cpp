#include "model/StationImport.h"

#include "model/KslDoc.h"
#include "model/OwnRecords.h"

#include <vector>

namespace quelvan {

int AddOrRenameStation(KslDoc& doc, const std::string& name, const std::string& fileName)
{
    for (WeatherStation& station : doc.stations)
        if (station.fileName == fileName) {
            station.name = name;
            return station.index;
        }
    const int index = FreeStationIndex(doc.stations);
    if (index >= 0)
        doc.stations.Append(
            std::make_unique<WeatherStation>(WeatherStation { index, name, fileName }));
    return index;
}

bool ChooseStationAmbiance(KslDoc& doc, int stationIndex, const std::string& name)
{
    NList<CBCData>& list = doc.exteriorAmbiances;
    std::vector<int> used { doc.selectedExterior };
    for (const CBCData& ambiance : list) {
        if (ambiance.weatherFlag && ambiance.cityIndex == stationIndex && ambiance.Name() == name) {
            doc.selectedExterior = ambiance.Index();
            return true;
        }
        used.push_back(ambiance.Index());
    }
    if (list.Count() >= kMaxListRecords)
        return false;
    const int index = FreeIndex(used, kBuiltInExteriorAmbianceCount);
    const std::array<std::string, 4> zeros { "0", "0", "0", "0" };
    CBCData& ambiance = doc.AddAmbiance(kAmbianceIdentifierBase + index, Side::Exterior, name,
        ProfileType::Weather, ProfileType::Weather, Period::Week, Period::Week, zeros, zeros);
    ambiance.weatherFlag = true;
    ambiance.cityIndex = stationIndex;
    ambiance.firstDay = 1;
    ambiance.weatherPeriod = Period::Week;
    doc.selectedExterior = index;
    return true;
}

} // namespace quelvan
