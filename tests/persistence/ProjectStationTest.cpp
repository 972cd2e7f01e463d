// Weather stations imported into a project: their section after the materials, the ambiances
// that name them, and the lines the reader refuses.
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace quelvan {
namespace {

using test::LineIndex;
using test::ReadBytes;
using test::TempFolder;

constexpr std::string_view kStations = "N=  2  : nb de stations meteo";

// A project with two stations, the exterior choice's weather taken from the second.
KslDoc ProjectWithStations()
{
    KslDoc doc;
    doc.stations.Append(std::make_unique<WeatherStation>(
        WeatherStation { 10, "Lyon Bron AP", "Station_Lyon_Bron_AP.wth" }));
    doc.stations.Append(std::make_unique<WeatherStation>(
        WeatherStation { 12, "Brest – Guipavas", "Station_Brest_Guipavas.wth" }));
    CBCData& weather = doc.exteriorAmbiances.At(11);
    weather.cityIndex = 12;
    doc.selectedExterior = 11;
    return doc;
}

TEST(ProjectStations, ReadBackByteForByteBetweenTheMaterialsAndTheAmbiances)
{
    TempFolder folder;
    const KslDoc written = ProjectWithStations();
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    const std::vector<std::string> lines = FormatProjectLines(written);
    const size_t count = LineIndex(lines, kStations);
    EXPECT_EQ(count, LineIndex(lines, test::kMaterials) + 19 + 2);
    EXPECT_EQ(lines[count + 1], "O= 10 F=Station_Lyon_Bron_AP.wth N=Lyon Bron AP");
    EXPECT_EQ(lines[count + 2], "O= 12 F=Station_Brest_Guipavas.wth N=Brest – Guipavas");
    EXPECT_EQ(lines[count + 3], std::string(60, '='));
    EXPECT_EQ(lines[count + 4], test::kExterior);
    EXPECT_TRUE(lines[LineIndex(lines, "O= 11", test::kExterior)].starts_with("O= 11 1 12   1"));

    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    std::string difference;
    EXPECT_TRUE(SameProjectData(written, read, &difference)) << difference;
    ASSERT_EQ(read.stations.Count(), 2);
    EXPECT_EQ(read.WeatherPlaceName(read.SelectedAmbiance(Side::Exterior)->cityIndex),
        "Brest – Guipavas");
    EXPECT_EQ(read.StationNumbered(10)->fileName, "Station_Lyon_Bron_AP.wth");
    ASSERT_EQ(WriteProjectFile(read, folder.File("copie.ksl")), WriteResult::Ok);
    EXPECT_EQ(ReadBytes(folder.File("copie.ksl")), ReadBytes(folder.File("mur.ksl")));

    // Without stations the section and its separator are not written at all.
    KslDoc plain;
    const std::vector<std::string> plainLines = FormatProjectLines(plain);
    EXPECT_EQ(plainLines.size() + 4, lines.size());
    EXPECT_EQ(plainLines[LineIndex(plainLines, test::kMaterials) + 21], test::kExterior);
}

// A comparison before saving sees a station's every field.
TEST(ProjectStations, ComparisonSeesEachField)
{
    const KslDoc reference = ProjectWithStations();
    const std::function<void(KslDoc&)> changes[] = {
        [](KslDoc& d) { d.stations.At(0).name = "Lyon"; },
        [](KslDoc& d) { d.stations.At(1).fileName = "Autre.wth"; },
        [](KslDoc& d) { d.stations.At(1).index = 13; },
        [](KslDoc& d) { d.stations.RemoveTail(1); },
    };
    for (const auto& change : changes) {
        KslDoc other = ProjectWithStations();
        change(other);
        EXPECT_FALSE(SameProjectData(reference, other));
    }
}

struct StationSpoiler {
    const char* label;
    std::string_view key; // the first line after the station count that starts with it
    std::string line; // what it becomes
    const char* field;
    ReadFault fault;
    friend void PrintTo(const StationSpoiler& c, std::ostream* os) { *os << c.label; }
};

class StationLineTest : public testing::TestWithParam<StationSpoiler> { };

TEST_P(StationLineTest, IsRefusedWhereItIs)
{
    const StationSpoiler& spoiler = GetParam();
    std::vector<std::string> lines = FormatProjectLines(ProjectWithStations());
    const size_t index = spoiler.key == "N="
        ? LineIndex(lines, kStations)
        : LineIndex(
            lines, spoiler.key, spoiler.key.starts_with("O= 11") ? test::kExterior : kStations);
    lines[index] = spoiler.line;
    KslDoc doc;
    ReadError error;
    ASSERT_EQ(ParseProjectLines(doc, lines, &error), Failure::General);
    EXPECT_EQ(error.line, static_cast<int>(index) + 1);
    EXPECT_EQ(error.field, spoiler.field);
    EXPECT_EQ(error.fault, spoiler.fault);
}

INSTANTIATE_TEST_SUITE_P(Lines, StationLineTest,
    testing::Values(StationSpoiler { "FileInAFolder", "O= 12", "O= 12 F=../FR_Agen.wth N=Agen",
                        "F=", ReadFault::NotABareFileName },
        StationSpoiler {
            "IndexOfACity", "O= 12", "O=  9 F=B.wth N=Brest", "O=", ReadFault::OutOfRange },
        StationSpoiler {
            "IndexTwice", "O= 12", "O= 10 F=B.wth N=Brest", "O=", ReadFault::DuplicateIdentifier },
        StationSpoiler {
            "CountOfNone", "N=", "N=  0  : nb de stations meteo", "N=", ReadFault::OutOfRange },
        // The ambiance names a station the file does not hold.
        StationSpoiler { "AmbianceNamingNoStation", "O= 11",
            "O= 11 1 11   1 1 FL  1    0    0    7    0 FL  1     0     0     0     0 N=Météo",
            "ville", ReadFault::UnknownStation }));

} // namespace
} // namespace quelvan
