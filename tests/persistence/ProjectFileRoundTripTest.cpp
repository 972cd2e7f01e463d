#include "core/TextFile.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

using test::ReadBytes;
using test::TempFolder;

// The read project holds every stored field as written (the comparison made before saving,
// which ProjectCompareTest shows to see each field), and its layers point into its own library.
void ExpectSameProject(const KslDoc& written, const KslDoc& read)
{
    std::string difference;
    EXPECT_TRUE(SameProjectData(written, read, &difference)) << difference;
    for (const NMaterialLayer& layer : read.layers)
        EXPECT_NE(read.materials.IndexOf(layer.Material()), -1);
}

// A project where every stored field differs from a new project's.
void EditEverything(KslDoc& doc)
{
    doc.author = "Anaïs Lefèvre";
    doc.reference = "Étude n°12 : mur nord, œuvre « brute »";
    doc.printChoices = { 1, 0, 0, 1, 1, 0, 0, 0, 0, 0 };
    doc.initialTemperatureMode = InitialTemperature::PreviousCalculation;
    doc.azimuthIndex = 1;
    doc.inclinationIndex = 8;
    doc.surfaces.absorptionInterior = "0.35";
    doc.surfaces.absorptionExterior = "0,9";
    doc.surfaces.resistanceInterior = "0.125";
    doc.surfaces.resistanceExterior = "0.0333";
    doc.selectedExterior = 11;
    doc.selectedInterior = 0;
    CMaterial& wool = doc.materials.At(15);
    wool.SetName("Laine de verre dense");
    wool.SetConductivity("0.035");
    wool.SetDensity("40");
    wool.SetCapacity("1100");
    wool.SetColour(MakeColour(5, 250, 99));
    CBCData& ramp = doc.exteriorAmbiances.At(4);
    ramp.SetName("Rampe modifiée");
    ramp.temperature = { Period::Day, ProfileType::Ramp, { "-5", "12.5", "2", "20" } };
    ramp.flux = { Period::Week, ProfileType::Solar, { "60", "44", "25", "172" } };
    CBCData& weather = doc.interiorAmbiances.At(3);
    weather.weatherFlag = true;
    weather.cityIndex = 9;
    weather.firstDay = 200;
    weather.weatherPeriod = Period::Week;
    weather.temperature = { Period::Week, ProfileType::Weather, { "0", "0", "7", "0" } };
    weather.flux = { Period::Week, ProfileType::Weather, { "0", "0", "0", "0" } };
    weather.SetName("Trappes en été");
    doc.layers.Clear();
    doc.AddLayer(doc.FindMaterialByIndex(5), "15");
    doc.AddLayer(doc.FindMaterialByIndex(16), "22.5");
    doc.AddLayer(doc.FindMaterialByIndex(18), "40");
    doc.AddLayer(doc.FindMaterialByIndex(13), "120");
    doc.AddLayer(doc.FindMaterialByIndex(9), "12,5");
}

TEST(ProjectRoundTrip, EditedProjectReadsBackIdentical)
{
    TempFolder folder;
    KslDoc written;
    EditEverything(written);
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    ExpectSameProject(written, read);
    EXPECT_EQ(read.layers.Count(), 5);
    EXPECT_EQ(read.layers.At(1).Material()->Name(), "Bois résineux");
    EXPECT_EQ(read.SelectedAmbiance(Side::Exterior)->Name(), "Météo de la ville de Mâcon");
    // Writing what was read gives the same bytes: nothing is reformatted.
    ASSERT_EQ(WriteProjectFile(read, folder.File("copie.ksl")), WriteResult::Ok);
    EXPECT_EQ(ReadBytes(folder.File("mur.ksl")), ReadBytes(folder.File("copie.ksl")));
}

// Materials and ambiances of the user's own follow the built-in ones: the count lines grow, a
// layer made of an added material and an added ambiance chosen on each side read back.
TEST(ProjectRoundTrip, OwnRecordsReadBackByteForByte)
{
    TempFolder folder;
    KslDoc written;
    const CMaterial& own = written.AddMaterial(3001 + 19, 7, "Terre crue", "0.9", "1700", "900");
    written.layers.At(1).SetMaterial(&own);
    written.AddAmbiance(kAmbianceIdentifierBase + 12, Side::Exterior, "Nuit froide",
        ProfileType::Constant, ProfileType::Null, Period::Day, Period::Day,
        { "-8", "-8", "0", "0" }, {});
    written.AddAmbiance(kAmbianceIdentifierBase + 10, Side::Interior, "Chambre",
        ProfileType::Sinusoid, ProfileType::Null, Period::Week, Period::Day,
        { "17", "19", "6", "0" }, {});
    written.selectedExterior = 12;
    written.selectedInterior = 10;
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    const std::string bytes = ReadBytes(folder.File("mur.ksl"));
    for (const char* line : { "N= 20  : nb de materiaux\r\n", "N= 13  : nb de CL exterieures\r\n",
             "N= 10  : nb de CL interieures\r\n", "I= 19 M=Terre crue\r\n" })
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    ExpectSameProject(written, read);
    EXPECT_EQ(read.layers.At(1).Material(), &read.materials.At(19));
    EXPECT_EQ(read.SelectedAmbiance(Side::Exterior)->Name(), "Nuit froide");
    EXPECT_EQ(read.SelectedAmbiance(Side::Interior)->Name(), "Chambre");
    ASSERT_EQ(WriteProjectFile(read, folder.File("copie.ksl")), WriteResult::Ok);
    EXPECT_EQ(ReadBytes(folder.File("copie.ksl")), bytes);
}

TEST(ProjectRoundTrip, FileIsWindows1252WithCrLf)
{
    TempFolder folder;
    ASSERT_EQ(WriteProjectFile(KslDoc(), folder.File("mur.ksl")), WriteResult::Ok);
    const std::string bytes = ReadBytes(folder.File("mur.ksl"));
    EXPECT_EQ(bytes.substr(0, 26), "1.20a: numero de version\r\n");
    EXPECT_NE(bytes.find("N=B\xE9ton lourd\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3\xA9"), std::string::npos); // no UTF-8 sequence
    EXPECT_EQ(bytes.substr(bytes.size() - 62), std::string(60, '=') + "\r\n");
}

TEST(ProjectRoundTrip, TextOutsideWindows1252IsWrittenAsUtf8)
{
    TempFolder folder;
    KslDoc written;
    written.author = "Łukasz → mur";
    written.materials.At(0).SetName("Béton ≈ lourd");
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    const std::string bytes = ReadBytes(folder.File("mur.ksl"));
    EXPECT_TRUE(IsValidUtf8(bytes));
    EXPECT_NE(bytes.find("N=Béton ≈ lourd\r\n"), std::string::npos);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    ExpectSameProject(written, read);
}

class SampleFileTest : public testing::TestWithParam<const char*> { };

TEST_P(SampleFileTest, AccentedNamesSurvive)
{
    const std::string path = std::string(QUELVAN_TEST_DATA_DIR) + "/projects/" + GetParam();
    KslDoc read;
    read.author = "avant";
    ASSERT_EQ(ReadProjectFile(read, path), Failure::None);
    EXPECT_EQ(read.materials.At(0).Name(), "Béton lourd");
    EXPECT_EQ(read.reference, "Référence du projet");
    EXPECT_EQ(read.exteriorAmbiances.At(11).Name(), "Météo de la ville de Mâcon");
    EXPECT_EQ(read.layers.At(2).Material()->Name(), "Plâtre");
    ExpectSameProject(KslDoc(), read);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, SampleFileTest, testing::Values("new-cp1252-crlf.ksl", "new-utf8-lf.ksl"));

// The other two pairings of encoding and line end, made from the sample files.
TEST(ProjectRoundTrip, Windows1252WithLfAndUtf8WithCrLf)
{
    TempFolder folder;
    const std::string samples = std::string(QUELVAN_TEST_DATA_DIR) + "/projects/";
    std::string cp1252 = ReadBytes(samples + "new-cp1252-crlf.ksl");
    std::erase(cp1252, '\r');
    std::string utf8;
    for (const char c : ReadBytes(samples + "new-utf8-lf.ksl")) {
        if (c == '\n')
            utf8 += '\r';
        utf8 += c;
    }
    ASSERT_NE(cp1252.find("N=B\xE9ton lourd\n"), std::string::npos);
    ASSERT_NE(utf8.find("N=Béton lourd\r\n"), std::string::npos);
    test::WriteBytes(folder.File("cp1252-lf.ksl"), cp1252);
    test::WriteBytes(folder.File("utf8-crlf.ksl"), utf8);
    for (const char* name : { "cp1252-lf.ksl", "utf8-crlf.ksl" }) {
        KslDoc read;
        ASSERT_EQ(ReadProjectFile(read, folder.File(name)), Failure::None) << name;
        EXPECT_EQ(read.materials.At(0).Name(), "Béton lourd");
        EXPECT_EQ(read.layers.At(0).Material()->Name(), "Béton lourd");
        ExpectSameProject(KslDoc(), read);
    }
}

TEST(ProjectRoundTrip, OverLongValuesReadBack)
{
    TempFolder folder;
    KslDoc written;
    written.materials.At(0).SetConductivity("0.0410000000001"); // 15 in 12 columns
    written.materials.At(0).SetDensity("2450.000000001");
    written.exteriorAmbiances.At(0).temperature.values[0] = "-12.25"; // 6 in 4
    written.exteriorAmbiances.At(0).temperature.values[3] = "123456";
    written.exteriorAmbiances.At(0).flux.values[1] = "1000.25"; // 7 in 5
    written.interiorAmbiances.At(8).SetName("Créneau 15/20");
    written.layers.At(1).SetThickness("50.00000000001");
    written.surfaces.resistanceExterior = "0.0400000000001";
    ASSERT_EQ(WriteProjectFile(written, folder.File("long.ksl")), WriteResult::Ok);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("long.ksl")), Failure::None);
    ExpectSameProject(written, read);
    // The fields after an over-long one are still found.
    EXPECT_EQ(read.materials.At(0).Capacity(), "1000");
    EXPECT_EQ(read.materials.At(0).GetColour(), MakeColour(168, 168, 168));
    EXPECT_EQ(read.exteriorAmbiances.At(0).Name(), "Température constante de 30 °C sans flux");
    EXPECT_EQ(read.layers.At(1).Material()->Name(), "Laine de verre");
}

TEST(ProjectRoundTrip, ValuesWithInnerBlanksThatFitReadBack)
{
    TempFolder folder;
    KslDoc written;
    written.materials.At(3).SetConductivity("1 5");
    written.interiorAmbiances.At(0).flux.values[2] = "1 2";
    written.exteriorAmbiances.At(1).temperature.values[0] = "- 5"; // 3 in 4 columns
    // Longer than its 4 columns, but the part past the width holds no blank: it runs on.
    written.exteriorAmbiances.At(2).temperature.values[1] = "123 45";
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    ExpectSameProject(written, read);
}

TEST(ProjectRoundTrip, NamesKeepTheirBlanksAndAuthorItsCarriageReturn)
{
    TempFolder folder;
    KslDoc written;
    written.materials.At(2).SetName("  Béton  ");
    written.author = "fin\r";
    written.reference = "";
    ASSERT_EQ(WriteProjectFile(written, folder.File("mur.ksl")), WriteResult::Ok);
    KslDoc read;
    ASSERT_EQ(ReadProjectFile(read, folder.File("mur.ksl")), Failure::None);
    ExpectSameProject(written, read);
}

struct RefusedCase {
    const char* label;
    void (*spoil)(KslDoc&);
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.label; }
};

class RefusedValueTest : public testing::TestWithParam<RefusedCase> { };

TEST_P(RefusedValueTest, NothingIsWrittenAndTheOldFileStays)
{
    TempFolder folder;
    const std::string path = folder.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc(), path), WriteResult::Ok);
    const std::string before = ReadBytes(path);
    KslDoc doc;
    GetParam().spoil(doc);
    EXPECT_EQ(WriteProjectFile(doc, path), WriteResult::ValueTooLong);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(WriteProjectFile(doc, folder.File("nouveau.ksl")), WriteResult::ValueTooLong);
    EXPECT_FALSE(std::filesystem::exists(folder.File("nouveau.ksl")));
    // Only the project file itself is in the folder: no temporary file is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                  std::filesystem::directory_iterator()),
        1);
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedValueTest,
    testing::Values(RefusedCase { "LongConductivityWithBlank",
                        [](KslDoc& d) { d.materials.At(0).SetConductivity("12345678901 3 5"); } },
        RefusedCase { "LongTemperatureWithBlank",
            [](KslDoc& d) { d.exteriorAmbiances.At(2).temperature.values[1] = "12 34 5"; } },
        RefusedCase {
            "NameWithLineBreak", [](KslDoc& d) { d.materials.At(4).SetName("Pisé\nrouge"); } },
        RefusedCase { "AuthorWithLineBreak", [](KslDoc& d) { d.author = "a\nb"; } },
        RefusedCase { "LineTooLong",
            [](KslDoc& d) {
                d.interiorAmbiances.At(0).SetName(std::string(kMaxProjectLineLength, 'x'));
            } },
        RefusedCase { "AzimuthOutsideTable", [](KslDoc& d) { d.azimuthIndex = 12; } },
        RefusedCase {
            "LayerWithoutMaterial", [](KslDoc& d) { d.layers.At(0).SetMaterial(nullptr); } }));

TEST(ProjectWrite, UnwritableFolderIsReported)
{
    TempFolder folder;
    test::WriteBytes(folder.File("fichier"), "pas un dossier");
    EXPECT_EQ(
        WriteProjectFile(KslDoc(), folder.File("fichier") + "/mur.ksl"), WriteResult::CannotWrite);
    EXPECT_EQ(
        WriteProjectFile(KslDoc(), folder.File("absent") + "/mur.ksl"), WriteResult::CannotWrite);
    EXPECT_EQ(WriteProjectFile(KslDoc(), ""), WriteResult::CannotWrite);
}

} // namespace
} // namespace quelvan
