#include "model/KslDoc.h"

#include "core/NFileName.h"
#include "model/WallTables.h"

#include <memory>
#include <utility>

namespace quelvan {

namespace {

constexpr std::array<const char*, KslDoc::kResultColumns> kResultHeaders { "H", "TE", "TSE", "TSI",
    "TI", "FE", "FSE", "FSI", "FI", "EE", "EI", "FPRM", "TEQE", "TEQI" };

} // namespace

KslDoc::KslDoc()
{
    NewDocument();
}

CMaterial& KslDoc::AddMaterial(int identifier, int colourIndex, std::string name,
    std::string conductivity, std::string density, std::string capacity)
{
    return materials.Append(std::make_unique<CMaterial>(identifier, colourIndex, std::move(name),
        std::move(conductivity), std::move(density), std::move(capacity)));
}

const CMaterial* KslDoc::FindMaterialByName(std::string_view name) const
{
    for (const CMaterial& material : materials)
        if (material.Name() == name)
            return &material;
    return nullptr;
}

const CMaterial* KslDoc::FindMaterialByIndex(int libraryIndex) const
{
    for (const CMaterial& material : materials)
        if (material.LibraryIndex() == libraryIndex)
            return &material;
    return nullptr;
}

NMaterialLayer& KslDoc::AddLayer(const CMaterial* material, std::string thickness)
{
    return layers.Append(std::make_unique<NMaterialLayer>(material, std::move(thickness)));
}

CBCData& KslDoc::AddAmbiance(int identifier, Side side, std::string name,
    ProfileType temperatureType, ProfileType fluxType, Period temperaturePeriod, Period fluxPeriod,
    std::array<std::string, 4> temperatureValues, std::array<std::string, 4> fluxValues)
{
    auto record
        = std::make_unique<CBCData>(identifier, std::move(name), side, temperatureType, fluxType,
            temperaturePeriod, fluxPeriod, std::move(temperatureValues), std::move(fluxValues));
    record->ApplyWeatherCase();
    return Ambiances(side).Append(std::move(record));
}

const CBCData* KslDoc::AmbianceNumbered(Side side, int number) const
{
    for (const CBCData& record : Ambiances(side))
        if (record.Index() == number && record.side == side)
            return &record;
    return nullptr;
}

const CBCData* KslDoc::SelectedAmbiance(Side side) const
{
    return AmbianceNumbered(side, side == Side::Exterior ? selectedExterior : selectedInterior);
}

int KslDoc::AzimuthDegrees() const
{
    return quelvan::AzimuthDegrees(azimuthIndex);
}
int KslDoc::InclinationDegrees() const
{
    return quelvan::InclinationDegrees(inclinationIndex);
}

FormValues KslDoc::StoredFormValues() const
{
    return { azimuthIndex, inclinationIndex, initialTemperatureMode, surfaces, selectedExterior,
        selectedInterior };
}

void KslDoc::StoreFormValues(const FormValues& values)
{
    azimuthIndex = values.azimuthIndex;
    inclinationIndex = values.inclinationIndex;
    initialTemperatureMode = values.initialTemperatureMode;
    surfaces = values.surfaces;
    selectedExterior = values.selectedExterior;
    selectedInterior = values.selectedInterior;
}

void KslDoc::TakeProjectData(KslDoc& other)
{
    author = std::move(other.author);
    reference = std::move(other.reference);
    printChoices = other.printChoices;
    azimuthIndex = other.azimuthIndex;
    inclinationIndex = other.inclinationIndex;
    initialTemperatureMode = other.initialTemperatureMode;
    surfaces = std::move(other.surfaces);
    selectedExterior = other.selectedExterior;
    selectedInterior = other.selectedInterior;
    // The records move by pointer, so the moved layers still point at the moved materials.
    layers.Replace(other.layers.TakeAll());
    materials.Replace(other.materials.TakeAll());
    exteriorAmbiances.Replace(other.exteriorAmbiances.TakeAll());
    interiorAmbiances.Replace(other.interiorAmbiances.TakeAll());
    stations.Replace(other.stations.TakeAll());
    vapour.Replace(other.vapour.TakeAll());
    moisture.Replace(other.moisture.TakeAll());
}

const WeatherStation* KslDoc::StationNumbered(int cityIndex) const
{
    for (const WeatherStation& station : stations)
        if (station.index == cityIndex)
            return &station;
    return nullptr;
}

std::string KslDoc::WeatherPlaceName(int cityIndex) const
{
    if (cityIndex >= 0 && cityIndex < kFirstStationIndex)
        return CityName(cityIndex);
    const WeatherStation* station = StationNumbered(cityIndex);
    return station != nullptr ? station->name : std::string();
}

void KslDoc::ResetResults()
{
    results.Clear();
    results.SetRowCount(kResultRows);
    results.SetCellCount(-1, kResultColumns);
    for (int column = 0; column < kResultColumns; ++column)
        results.SetCell(0, column, kResultHeaders[static_cast<size_t>(column)]);
    for (int row = 1; row < kResultRows; ++row)
        for (int column = 0; column < kResultColumns; ++column)
            results.SetCell(row, column, "0");
    nextResultsRow = 1;
    resultsSource.reset();
}

void KslDoc::NewDocument()
{
    referencesConfirmed = false;
    controlsOutOfDate = true;
    ResetResults();
    SetPath("Sans nom");
    unnamed = true;
    modified = false;
    BuildBuiltInData();
}

void KslDoc::SetPath(const std::string& path)
{
    const NFileName name(path);
    fullPath = name.FullPath();
    pathWithoutExtension = name.PathWithoutExtension();
    extension = name.Extension();
    title = name.Name();
    unnamed = fullPath.empty();
}

} // namespace quelvan
