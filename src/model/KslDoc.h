#pragma once

#include "core/NList.h"
#include "core/NTextTable.h"
#include "model/CBCData.h"
#include "model/CMaterial.h"
#include "model/CalculationSource.h"
#include "model/FormValues.h"
#include "model/InitialTemperature.h"
#include "model/MaterialVapour.h"
#include "model/NMaterialLayer.h"
#include "model/SurfaceTexts.h"
#include "model/WallTables.h"
#include "model/WeatherStation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelvan {

// The project: material library, wall, placement and surfaces, the two ambiance lists with
// their selections, the weather stations imported into it, references, print choices,
// initial-temperature mode, the file-name record and the hourly results table. It knows nothing of
// windows; the interface drives it.
class KslDoc {
public:
    static constexpr int kResultRows = 170;
    static constexpr int kResultColumns = 14;
    static constexpr int kPrintChoiceCount = 10;

    // A new project: built-in data, reset results, unnamed "Sans nom".
    KslDoc();

    // --- project data ------------------------------------------------------------------
    std::string author = "Nom de l'auteur";
    std::string reference = "Référence du projet";
    std::array<std::uint8_t, kPrintChoiceCount> printChoices {};
    int azimuthIndex = kDefaultAzimuthIndex;
    int inclinationIndex = kDefaultInclinationIndex;
    InitialTemperature initialTemperatureMode = InitialTemperature::Automatic;
    SurfaceTexts surfaces;
    int selectedExterior = 2; // ambiance index (identifier - 4001)
    int selectedInterior = 2;

    NList<CMaterial> materials;
    NList<NMaterialLayer> layers;
    NList<CBCData> exteriorAmbiances;
    NList<CBCData> interiorAmbiances;
    NList<WeatherStation> stations; // imported weather, by city index from 10 on
    // Vapour data the user gave materials, and the interior of the moisture check (at most one
    // record); both empty in a project that never set them.
    NList<MaterialVapour> vapour;
    NList<MoistureSettings> moisture;

    // --- library, wall and ambiance operations ---------------------------------------------
    CMaterial& AddMaterial(int identifier, int colourIndex, std::string name,
        std::string conductivity, std::string density, std::string capacity);
    // First material in library order with exactly that name / library index; null if none.
    const CMaterial* FindMaterialByName(std::string_view name) const;
    const CMaterial* FindMaterialByIndex(int libraryIndex) const;
    NMaterialLayer& AddLayer(const CMaterial* material, std::string thickness);
    CBCData& AddAmbiance(int identifier, Side side, std::string name, ProfileType temperatureType,
        ProfileType fluxType, Period temperaturePeriod, Period fluxPeriod,
        std::array<std::string, 4> temperatureValues, std::array<std::string, 4> fluxValues);
    NList<CBCData>& Ambiances(Side side)
    {
        return side == Side::Exterior ? exteriorAmbiances : interiorAmbiances;
    }
    const NList<CBCData>& Ambiances(Side side) const
    {
        return side == Side::Exterior ? exteriorAmbiances : interiorAmbiances;
    }
    // The first record of that side's list with that number (identifier - 4001) and that side;
    // null when none matches.
    const CBCData* AmbianceNumbered(Side side, int number) const;
    // The record of the side whose number equals the stored selection; null when none matches.
    const CBCData* SelectedAmbiance(Side side) const;
    // The station with that city index; null when none has it.
    const WeatherStation* StationNumbered(int cityIndex) const;
    // What a city index names: a city of the list, a station of the project, else empty.
    std::string WeatherPlaceName(int cityIndex) const;
    int AzimuthDegrees() const;
    int InclinationDegrees() const;

    // The form's values as stored (placement, initial temperature, surfaces, chosen ambiances),
    // and storing the values a form shows.
    FormValues StoredFormValues() const;
    void StoreFormValues(const FormValues& values);

    // Moves the persisted project data (references, print choices, placement and surfaces,
    // initial-temperature mode, the five lists and the selections) from another document; the
    // file-name record, the results and the state flags stay. Layers keep pointing at their
    // materials, which move with them.
    void TakeProjectData(KslDoc& other);

    // Clears every list, then rebuilds the references, placement, surfaces, print choices,
    // the 19 materials, the three-layer wall and the 12 + 9 ambiances (selections 2 and 2).
    void BuildBuiltInData();
    void BuildBuiltInMaterials();
    void BuildBuiltInWall();
    void BuildBuiltInAmbiances();

    // --- results -----------------------------------------------------------------------
    // Row 0 headers, rows 1..169 "0", next row 1.
    void ResetResults();
    NTextTable results;
    int nextResultsRow = 1;
    // Whether a calculation has recorded at least one hour since the last reset.
    bool HasResults() const { return nextResultsRow > 1; }
    // What the calculation that filled the table read (set when it was prepared); none after
    // a reset.
    std::optional<CalculationSource> resultsSource;

    // --- file-name record and document state ---------------------------------------------
    // New: built-in data, reset results, unnamed "Sans nom", not modified, references not
    // confirmed, controls out of date.
    void NewDocument();
    // Sets the file-name record from a path (unnamed when empty).
    void SetPath(const std::string& path);
    bool unnamed = true;
    std::string fullPath = "Sans nom";
    std::string pathWithoutExtension = "Sans nom";
    std::string extension;
    std::string title = "Sans nom";
    static constexpr const char* kDefaultExtension = "ksl";

    bool modified = false;
    bool referencesConfirmed = false;
    bool controlsOutOfDate = true;
};

} // namespace quelvan
