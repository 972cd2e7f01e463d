#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <functional>

namespace quelvan {
namespace {

// The write check relies on the comparison seeing every stored field.
struct Change {
    const char* label;
    std::function<void(KslDoc&)> apply;
    friend void PrintTo(const Change& c, std::ostream* os) { *os << c.label; }
};

class ProjectCompareTest : public testing::TestWithParam<Change> { };

TEST_P(ProjectCompareTest, SeesTheChange)
{
    const KslDoc reference;
    KslDoc changed;
    ASSERT_TRUE(SameProjectData(reference, changed));
    GetParam().apply(changed);
    std::string difference;
    EXPECT_FALSE(SameProjectData(reference, changed, &difference));
    EXPECT_FALSE(difference.empty());
    EXPECT_FALSE(SameProjectData(changed, reference));
}

INSTANTIATE_TEST_SUITE_P(Fields, ProjectCompareTest,
    testing::Values(Change { "Author", [](KslDoc& d) { d.author += " "; } },
        Change { "Reference", [](KslDoc& d) { d.reference = "R"; } },
        Change { "PrintChoice4", [](KslDoc& d) { d.printChoices[4] = 1; } },
        Change { "TemperatureMode",
            [](KslDoc& d) { d.initialTemperatureMode = InitialTemperature::PreviousCalculation; } },
        Change { "Azimuth", [](KslDoc& d) { d.azimuthIndex = 0; } },
        Change { "Inclination", [](KslDoc& d) { d.inclinationIndex = 0; } },
        Change { "Absorption", [](KslDoc& d) { d.surfaces.absorptionExterior = "0.5"; } },
        Change { "Resistance", [](KslDoc& d) { d.surfaces.resistanceInterior = "0.1"; } },
        Change { "Selection", [](KslDoc& d) { d.selectedInterior = 1; } },
        Change { "MaterialCount", [](KslDoc& d) { d.materials.RemoveTail(1); } },
        Change { "MaterialId", [](KslDoc& d) { d.materials.At(3).SetIdentifier(3100); } },
        Change { "MaterialName", [](KslDoc& d) { d.materials.At(3).SetName("x"); } },
        Change { "Conductivity", [](KslDoc& d) { d.materials.At(3).SetConductivity("1"); } },
        Change { "Density", [](KslDoc& d) { d.materials.At(3).SetDensity("1"); } },
        Change { "Capacity", [](KslDoc& d) { d.materials.At(3).SetCapacity("1"); } },
        Change { "Colour", [](KslDoc& d) { d.materials.At(3).SetColour(1); } },
        Change { "AmbianceId", [](KslDoc& d) { d.interiorAmbiances.At(8).SetIdentifier(4100); } },
        Change { "AmbianceName", [](KslDoc& d) { d.interiorAmbiances.At(8).SetName("x"); } },
        Change { "WeatherFlag", [](KslDoc& d) { d.exteriorAmbiances.At(1).weatherFlag = true; } },
        Change { "City", [](KslDoc& d) { d.exteriorAmbiances.At(11).cityIndex = 4; } },
        Change { "FirstDay", [](KslDoc& d) { d.exteriorAmbiances.At(11).firstDay = 2; } },
        Change { "WeatherPeriod",
            [](KslDoc& d) { d.exteriorAmbiances.At(11).weatherPeriod = Period::Week; } },
        Change { "TemperatureType",
            [](KslDoc& d) { d.exteriorAmbiances.At(0).temperature.type = ProfileType::Sinusoid; } },
        Change {
            "FluxPeriod", [](KslDoc& d) { d.exteriorAmbiances.At(0).flux.period = Period::Week; } },
        Change { "FluxValue4", [](KslDoc& d) { d.interiorAmbiances.At(0).flux.values[3] = "1"; } },
        Change { "LayerCount", [](KslDoc& d) { d.layers.RemoveTail(1); } },
        Change { "LayerThickness", [](KslDoc& d) { d.layers.At(2).SetThickness("11"); } },
        Change { "LayerMaterial",
            [](KslDoc& d) { d.layers.At(2).SetMaterial(d.FindMaterialByIndex(9)); } },
        Change { "LayerWithoutMaterial", [](KslDoc& d) { d.layers.At(2).SetMaterial(nullptr); } }));

TEST(ProjectCompare, IgnoresWhatTheFileDoesNotKeep)
{
    const KslDoc reference;
    KslDoc other;
    other.printChoices[7] = 1; // only the first five choices are stored
    other.surfaces.absorptionInterior = " 0.4 "; // blanks around a value are not kept
    other.SetPath("/tmp/ailleurs.ksl");
    other.modified = true;
    other.results.SetCell(3, 3, "5");
    EXPECT_TRUE(SameProjectData(reference, other));
}

} // namespace
} // namespace quelvan
