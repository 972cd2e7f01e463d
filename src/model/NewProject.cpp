// The built-in data of a new project: references, placement, surfaces, print choices, the
// material library, the three-layer wall and the two ambiance lists.
#include "model/KslDoc.h"

#include "model/MaterialVapour.h"
#include "model/OwnRecords.h"
#include "model/WallTables.h"

namespace quelvan {

namespace {

struct MaterialRow {
    int identifier;
    int colourIndex;
    const char* name;
    const char* conductivity;
    const char* density;
    const char* capacity;
    double mu; // water-vapour diffusion resistance factor, dry cup (MaterialVapour.h)
};

// Metal lets no vapour through; a finite μ keeps the sums of s_d exact in double precision
// (1 mm gives s_d = 10 000 m, far above the 1 500 m that counts as vapour-tight).
constexpr double kVapourTight = 1e7;

// μ: the Spanish CTE catalogue (Catálogo de Elementos Constructivos, one value per material),
// chosen because no public copy of the EN ISO 10456 tables exists; docs/moisture.md lists each
// value with its source and the spread of the other published values (concrete 30-130, rammed
// earth 1-8, EPS 20-100), and carrelage takes the ceramic tile (30), not the glazed one.
//
// The identifiers of the wood, fibreboard and insulating materials are not in row order:
// their library index follows the identifier.
constexpr MaterialRow kBuiltInMaterials[] = {
    { 3001, 0, "Béton lourd", "2", "2450", "1000", 80 },
    { 3002, 1, "Béton de granulats légers", "0.35", "1100", "1000", 10 },
    { 3003, 2, "Béton d'argile expansé", "0.2", "550", "1000", 4 },
    { 3004, 3, "Béton cellulaire", "0.145", "400", "1000", 6 },
    { 3005, 4, "Pisé", "1.1", "1800", "1000", 1 },
    { 3006, 5, "Enduit de mortier", "1.3", "1900", "1000", 10 },
    { 3007, 6, "Asphalte", "0.7", "2200", "1000", 50000 },
    { 3008, 7, "Métal ferreux", "72", "7870", "450", kVapourTight },
    { 3009, 8, "Plâtre", "0.43", "1050", "1000", 6 },
    { 3010, 9, "Plaque de plâtre à parement de carton", "0.25", "825", "1000", 4 },
    { 3011, 10, "Caoutchouc", "0.17", "1200", "1400", 10000 },
    { 3012, 11, "Plastique", "0.25", "1700", "1400", 50000 },
    { 3013, 12, "Carrelage", "1.7", "2300", "1000", 30 },
    { 3017, 13, "Bois résineux", "0.15", "500", "1600", 20 },
    { 3018, 14, "Panneau fibragglo", "0.12", "400", "1700", 5 },
    { 3014, 15, "Laine de verre", "0.041", "15", "1030", 1 },
    { 3015, 16, "Laine de roche", "0.039", "80", "1030", 1 },
    { 3016, 17, "Polystyrène expansé", "0.037", "25", "1450", 20 },
    { 3019, 18, "Lame d'air non ventilée", "0.031", "1", "1000", 1 },
};

struct LayerRow {
    const char* material;
    const char* thickness;
};

constexpr LayerRow kBuiltInWall[] = {
    { "Béton lourd", "200" },
    { "Laine de verre", "50" },
    { "Plâtre", "10" },
};

struct AmbianceRow {
    int identifier;
    const char* name;
    ProfileType temperatureType;
    Period temperaturePeriod;
    std::array<const char*, 4> temperatureValues;
    ProfileType fluxType;
    Period fluxPeriod;
    std::array<const char*, 4> fluxValues;
};

using T = ProfileType;
constexpr Period kDay = Period::Day;
constexpr Period kWeek = Period::Week;

const AmbianceRow kBuiltInExterior[] = {
    { 4001, "Température constante de 30 °C sans flux", T::Constant, kDay, { "30", "30", "0", "0" },
        T::Null, kDay, { "0", "0", "0", "0" } },
    { 4002, "Température constante de 0 °C sans flux", T::Constant, kDay, { "0", "0", "0", "0" },
        T::Constant, kDay, { "0", "0", "0", "0" } },
    { 4003, "Température sinusoïdale 25/35 °C sans flux", T::Sinusoid, kDay,
        { "25", "35", "15", "0" }, T::Null, kDay, { "0", "0", "48", "60" } },
    { 4004, "Température sinusoïdale 0/20 °C sans flux", T::Sinusoid, kDay,
        { "0", "20", "12", "0" }, T::Null, kDay, { "0", "0", "48", "60" } },
    { 4005, "Rampe de température 0/20 °C sans flux", T::Ramp, kWeek, { "0", "20", "48", "60" },
        T::Null, kDay, { "0", "0", "60", "168" } },
    { 4006, "Saut de température de 0 à 20 °C sans flux", T::Square, kWeek,
        { "0", "20", "60", "168" }, T::Null, kDay, { "0", "0", "48", "60" } },
    { 4007, "Créneau de température 0/20 °C sans flux", T::Square, kWeek, { "0", "20", "48", "60" },
        T::Null, kDay, { "0", "0", "0", "0" } },
    { 4008, "Température nulle avec saut de flux", T::Constant, kDay, { "0", "0", "0", "0" },
        T::Square, kDay, { "0", "500", "60", "168" } },
    { 4009, "Température sinusoïdale 25/35 °C et saut de flux", T::Sinusoid, kDay,
        { "25", "35", "15", "0" }, T::Square, kWeek, { "0", "500", "60", "168" } },
    { 4010, "Température nulle avec créneau de flux", T::Constant, kDay, { "0", "0", "0", "0" },
        T::Square, kDay, { "0", "500", "8", "18" } },
    { 4011, "Température nulle avec flux solaire", T::Constant, kDay, { "0", "0", "0", "0" },
        T::Solar, kWeek, { "45", "50", "20", "1" } },
    // Goes through the weather case: city 5, first day 1, temperature values 0, 0, 7, 0.
    { 4012, "Météo de la ville de Mâcon", T::Weather, kDay, { "Mâcon", "1", "7", "0" }, T::Weather,
        kDay, { "0", "0", "0", "0" } },
};

const AmbianceRow kBuiltInInterior[] = {
    { 4001, "Température constante 26 °C", T::Constant, kDay, { "26", "26", "0", "0" }, T::Null,
        kDay, { "0", "0", "0", "0" } },
    { 4002, "Température constante 20 °C", T::Constant, kDay, { "20", "20", "0", "0" }, T::Null,
        kDay, { "0", "0", "60", "168" } },
    { 4003, "Température sinusoïdale 20/30 °C sans flux", T::Sinusoid, kDay,
        { "20", "30", "15", "18" }, T::Null, kDay, { "0", "0", "48", "168" } },
    { 4004, "Température sinusoïdale 5/15 °C sans flux", T::Sinusoid, kDay,
        { "5", "15", "15", "60" }, T::Null, kDay, { "0", "0", "0", "0" } },
    { 4005, "Rampe de température de 5/20 °C sans flux", T::Ramp, kWeek, { "5", "20", "48", "60" },
        T::Null, kDay, { "0", "0", "60", "18" } },
    { 4006, "Saut de température de 0/20 °C sans flux", T::Square, kWeek, { "0", "20", "48", "60" },
        T::Null, kDay, { "0", "0", "0", "0" } },
    { 4007, "Température nulle avec saut de flux", T::Constant, kDay, { "0", "0", "48", "60" },
        T::Square, kWeek, { "0", "200", "60", "168" } },
    { 4008, "Température de 20 °C avec saut de flux", T::Constant, kDay, { "20", "20", "48", "60" },
        T::Square, kWeek, { "0", "200", "48", "168" } },
    { 4009, "Créneau de température 15/20 °C sans flux", T::Square, kDay, { "15", "20", "8", "18" },
        T::Null, kDay, { "0", "0", "0", "0" } },
};

static_assert(std::size(kBuiltInMaterials) == kBuiltInMaterialCount);
static_assert(std::size(kBuiltInExterior) == kBuiltInExteriorAmbianceCount);
static_assert(std::size(kBuiltInInterior) == kBuiltInInteriorAmbianceCount);

std::array<std::string, 4> Texts(const std::array<const char*, 4>& values)
{
    return { values[0], values[1], values[2], values[3] };
}

template <size_t N> void AddAmbiances(KslDoc& doc, Side side, const AmbianceRow (&rows)[N])
{
    for (const AmbianceRow& row : rows)
        doc.AddAmbiance(row.identifier, side, row.name, row.temperatureType, row.fluxType,
            row.temperaturePeriod, row.fluxPeriod, Texts(row.temperatureValues),
            Texts(row.fluxValues));
}

} // namespace

void KslDoc::BuildBuiltInData()
{
    layers.Clear();
    materials.Clear();
    exteriorAmbiances.Clear();
    interiorAmbiances.Clear();
    stations.Clear();
    vapour.Clear();
    moisture.Clear();

    author = "Nom de l'auteur";
    reference = "Référence du projet";
    azimuthIndex = kDefaultAzimuthIndex;
    inclinationIndex = kDefaultInclinationIndex;
    initialTemperatureMode = InitialTemperature::Automatic;
    surfaces = SurfaceTexts {};
    printChoices.fill(0);
    printChoices[1] = 1;
    printChoices[2] = 1;

    BuildBuiltInMaterials();
    BuildBuiltInWall();
    BuildBuiltInAmbiances();
}

void KslDoc::BuildBuiltInMaterials()
{
    layers.Clear(); // the layers point at the materials about to be destroyed
    materials.Clear();
    for (const MaterialRow& row : kBuiltInMaterials)
        AddMaterial(
            row.identifier, row.colourIndex, row.name, row.conductivity, row.density, row.capacity);
}

void KslDoc::BuildBuiltInWall()
{
    layers.Clear();
    for (const LayerRow& row : kBuiltInWall)
        AddLayer(FindMaterialByName(row.material), row.thickness);
}

void KslDoc::BuildBuiltInAmbiances()
{
    exteriorAmbiances.Clear();
    interiorAmbiances.Clear();
    AddAmbiances(*this, Side::Exterior, kBuiltInExterior);
    AddAmbiances(*this, Side::Interior, kBuiltInInterior);
    selectedExterior = 2;
    selectedInterior = 2;
}

std::optional<double> BuiltInMu(int identifier, std::string_view name)
{
    for (const MaterialRow& row : kBuiltInMaterials)
        if (row.identifier == identifier && name == row.name)
            return row.mu;
    return std::nullopt;
}

} // namespace quelvan
