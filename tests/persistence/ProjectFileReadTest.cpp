#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

namespace quelvan {
namespace {

// The lines of a new project, to be altered one at a time.
std::vector<std::string> NewProjectLines()
{
    return FormatProjectLines(KslDoc());
}

size_t Find(const std::vector<std::string>& lines, const std::string& prefix, size_t from = 0)
{
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0)
            return i;
    ADD_FAILURE() << "no line starts with " << prefix;
    return 0;
}

int Parse(const std::vector<std::string>& lines, KslDoc& doc)
{
    doc.BuildBuiltInData();
    return ParseProjectLines(doc, lines);
}

// Replaces the characters from column first on by text.
void Put(std::string& line, size_t first, const std::string& text)
{
    line.replace(first, text.size(), text);
}

TEST(ProjectRead, UnchangedLinesRead)
{
    KslDoc doc;
    EXPECT_EQ(Parse(NewProjectLines(), doc), kReadOk);
}

TEST(ProjectRead, PrintChoicesFiveToNineReadAsZero)
{
    auto lines = NewProjectLines();
    lines[7] = " 1 0 1 1 1 1 1 1 1 1";
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    const std::array<std::uint8_t, 10> expected { 1, 0, 1, 1, 1, 0, 0, 0, 0, 0 };
    EXPECT_EQ(doc.printChoices, expected);
}

TEST(ProjectRead, VersionLineIsNotChecked)
{
    auto lines = NewProjectLines();
    lines[0] = "n'importe quoi";
    KslDoc doc;
    EXPECT_EQ(Parse(lines, doc), kReadOk);
    lines[0] = "";
    EXPECT_EQ(Parse(lines, doc), kReadOk);
}

TEST(ProjectRead, ProfileFieldsFollowTheirRules)
{
    auto lines = NewProjectLines();
    std::string& line = lines[Find(lines, "O=  0", 31)]; // first exterior ambiance
    Put(line, 6, "2"); // weather flag: only 1 is true
    Put(line, 17, "XX"); // unknown temperature code
    Put(line, 43, "FL");
    Put(line, 46, " 3"); // a flux period other than 1 is a week
    Put(line, 15, "7");
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    const CBCData& record = doc.exteriorAmbiances.At(0);
    EXPECT_FALSE(record.weatherFlag);
    EXPECT_EQ(record.temperature.type, ProfileType::Unknown);
    EXPECT_EQ(record.temperature.period, Period::Day);
    EXPECT_EQ(record.flux.type, ProfileType::Weather);
    EXPECT_EQ(record.flux.period, Period::Week);
    EXPECT_EQ(record.weatherPeriod, Period::Week);
    EXPECT_EQ(record.side, Side::Exterior);
}

TEST(ProjectRead, FluxPeriodNeedNotBeANumber)
{
    auto lines = NewProjectLines();
    Put(lines[Find(lines, "O=  1", 45)], 46, "??");
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    EXPECT_EQ(doc.interiorAmbiances.At(1).flux.period, Period::Week);
}

TEST(ProjectRead, ShortAmbianceLineReadsMissingTextsAsEmpty)
{
    auto lines = NewProjectLines();
    std::string& line = lines[Find(lines, "O=  3", 45)];
    line.resize(31); // through the first temperature value and 3 columns of the second
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    const CBCData& record = doc.interiorAmbiances.At(3);
    EXPECT_EQ(record.temperature.values[0], "5");
    EXPECT_EQ(record.temperature.values[1], "1");
    EXPECT_EQ(record.temperature.values[2], "");
    EXPECT_EQ(record.flux.type, ProfileType::Unknown);
    EXPECT_EQ(record.Name(), "");
}

TEST(ProjectRead, LayersAreCreatedFromTheCount)
{
    auto lines = NewProjectLines();
    const size_t count = Find(lines, "N=  3 : nb de couches");
    lines[count] = "N=  1 : nb de couches";
    lines[count + 1] = "L=        22.5 I= 16 M=ce nom n'est pas lu";
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    ASSERT_EQ(doc.layers.Count(), 1);
    EXPECT_EQ(doc.layers.At(0).Thickness(), "22.5");
    EXPECT_EQ(doc.layers.At(0).Material()->Name(), "Bois résineux");
    // No layer at all reads too; the wall then says why it cannot be computed.
    lines[count] = "N=  0 : nb de couches";
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    EXPECT_EQ(doc.layers.Count(), 0);
    EXPECT_FALSE(CheckWall(doc.layers, doc.surfaces).Passed());
}

TEST(ProjectRead, SelectionMatchingNoRecordIsKept)
{
    auto lines = NewProjectLines();
    lines[Find(lines, "C=           2 :", 56)] = "C=          40 :";
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), kReadOk);
    EXPECT_EQ(doc.selectedExterior, 40);
    EXPECT_EQ(doc.SelectedAmbiance(Side::Exterior), nullptr);
}

TEST(ProjectRead, LinesAfterTheLayersAreIgnored)
{
    auto lines = NewProjectLines();
    lines.pop_back(); // the final separator is not read
    KslDoc doc;
    EXPECT_EQ(Parse(lines, doc), kReadOk);
    lines.push_back("du texte en plus");
    EXPECT_EQ(Parse(lines, doc), kReadOk);
}

TEST(ProjectRead, FailedReadLeavesANewProject)
{
    test::TempFolder folder;
    auto lines = NewProjectLines();
    lines[1] = "Auteur du fichier";
    lines[Find(lines, "A=")] = "A=        -135 :";
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    test::WriteBytes(folder.File("mur.ksl"), text);
    KslDoc doc;
    doc.author = "Auteur précédent";
    doc.layers.Clear();
    EXPECT_EQ(ReadProjectFile(doc, folder.File("mur.ksl")), kReadFailed);
    EXPECT_EQ(doc.author, "Nom de l'auteur");
    EXPECT_EQ(doc.layers.Count(), 3);
    EXPECT_EQ(ReadProjectFile(doc, folder.File("absent.ksl")), kReadFailed);
    EXPECT_EQ(ReadProjectFile(doc, folder.Path().string()), kReadFailed); // a folder
}

struct Spoiler {
    const char* label;
    std::function<void(std::vector<std::string>&)> spoil;
};

class MalformedLinesTest : public testing::TestWithParam<Spoiler> { };

TEST_P(MalformedLinesTest, IsRefused)
{
    auto lines = NewProjectLines();
    GetParam().spoil(lines);
    KslDoc doc;
    EXPECT_EQ(Parse(lines, doc), kReadFailed);
}

using Lines = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(Fields, MalformedLinesTest,
    testing::Values(Spoiler { "NoLine", [](Lines& l) { l.clear(); } },
        Spoiler { "OnlyHeading", [](Lines& l) { l.resize(9); } },
        Spoiler { "PrintChoice", [](Lines& l) { l[7] = " 0 1 x 0 0 0 0 0 0 0"; } },
        Spoiler { "MaterialIndex", [](Lines& l) { Put(l[12], 2, "  x"); } },
        Spoiler { "MaterialNegativeIndex", [](Lines& l) { Put(l[12], 2, " -1"); } },
        Spoiler { "MaterialRed", [](Lines& l) { Put(l[12], 53, "1a2"); } },
        Spoiler { "MaterialGreenBeyond255", [](Lines& l) { Put(l[12], 56, "256"); } },
        Spoiler { "MaterialBlueNegative", [](Lines& l) { Put(l[12], 59, " -1"); } },
        Spoiler { "MaterialWithoutName", [](Lines& l) { l[14].resize(64); } },
        Spoiler { "MaterialWithoutCapacity", [](Lines& l) { l[14].resize(30); } },
        Spoiler { "EighteenMaterials", [](Lines& l) { l.erase(l.begin() + 20); } },
        Spoiler { "AmbianceIndex", [](Lines& l) { Put(l[31], 2, "abc"); } },
        Spoiler { "AmbianceCity", [](Lines& l) { Put(l[32], 8, "x1"); } },
        Spoiler { "AmbianceCityOutsideList", [](Lines& l) { Put(l[32], 8, "10"); } },
        Spoiler { "AmbianceFirstDay", [](Lines& l) { Put(l[33], 11, "  ."); } },
        Spoiler { "AmbianceWeatherPeriod", [](Lines& l) { Put(l[34], 15, "j"); } },
        Spoiler { "AmbianceTemperaturePeriod", [](Lines& l) { Put(l[46], 20, " -"); } },
        Spoiler { "ElevenExteriorAmbiances", [](Lines& l) { l.erase(l.begin() + 35); } },
        Spoiler { "EightInteriorAmbiances", [](Lines& l) { l.erase(l.begin() + 50); } },
        Spoiler { "TemperatureMode", [](Lines& l) { l[55] = "T=           x :"; } },
        Spoiler { "TemperatureModeTwo", [](Lines& l) { l[55] = "T=           2 :"; } },
        Spoiler { "AzimuthNotInTable", [](Lines& l) { l[57] = "A=        -135 :"; } },
        Spoiler { "InclinationNotInTable", [](Lines& l) { l[58] = "I=          91 :"; } },
        Spoiler { "SelectedExterior", [](Lines& l) { l[63] = "C=         1.5 :"; } },
        Spoiler { "SelectedInterior", [](Lines& l) { l[64] = "C=            :"; } },
        Spoiler { "IntegerOverflow", [](Lines& l) { l[64] = "C=99999999999 :"; } },
        Spoiler { "LayerCount", [](Lines& l) { l[66] = "N= +3 : nb de couches"; } },
        Spoiler { "LayerCountNegative", [](Lines& l) { l[66] = "N= -3 : nb de couches"; } },
        Spoiler { "LayerCountBeyondFile", [](Lines& l) { l[66] = "N=  5 : nb de couches"; } },
        Spoiler { "LayerMaterialMissing", [](Lines& l) { Put(l[68], 17, " 19"); } },
        Spoiler { "LayerMaterialNotANumber", [](Lines& l) { Put(l[69], 17, "  ?"); } },
        Spoiler { "LastLayerMissing", [](Lines& l) { l.resize(69); } },
        Spoiler {
            "LineTooLong", [](Lines& l) { l[3] = std::string(kMaxProjectLineLength + 1, 'x'); } }),
    [](const testing::TestParamInfo<Spoiler>& info) { return info.param.label; });

class MalformedFileTest : public testing::TestWithParam<std::string> { };

TEST_P(MalformedFileTest, IsRefused)
{
    KslDoc doc;
    EXPECT_EQ(ReadProjectFile(doc, GetParam()), kReadFailed);
    EXPECT_EQ(doc.layers.Count(), 3);
}

std::vector<std::string> MalformedFiles()
{
    std::vector<std::string> files;
    for (const auto& entry :
        std::filesystem::directory_iterator(std::string(QUELVAN_TEST_DATA_DIR) + "/malformed"))
        if (entry.path().extension() == ".ksl")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFileTest, testing::ValuesIn(MalformedFiles()),
    [](const testing::TestParamInfo<std::string>& info) {
        std::string name = std::filesystem::path(info.param).stem().string();
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// Random damage to a valid file never crashes the reader, and whatever it accepts is a
// project the engine and the drawing can take: every layer has a material of the library
// and the angles are in their tables.
TEST(ProjectRead, RandomDamageIsHandled)
{
    std::mt19937 random(1206);
    const auto original = NewProjectLines();
    int accepted = 0;
    for (int round = 0; round < 1000; ++round) {
        auto lines = original;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c) {
            std::string& line = lines[random() % lines.size()];
            switch (random() % 4) {
            case 0:
                if (!line.empty())
                    line[random() % line.size()] = static_cast<char>(random() % 256);
                break;
            case 1:
                line.resize(random() % (line.size() + 1));
                break;
            case 2:
                line.insert(random() % (line.size() + 1), std::string(random() % 20, '7'));
                break;
            default:
                lines.erase(lines.begin() + static_cast<long>(random() % lines.size()));
                break;
            }
        }
        KslDoc doc;
        if (Parse(lines, doc) != kReadOk)
            continue;
        ++accepted;
        for (const NMaterialLayer& layer : doc.layers)
            ASSERT_NE(doc.materials.IndexOf(layer.Material()), -1);
        ASSERT_TRUE(doc.azimuthIndex >= 0 && doc.azimuthIndex < 8);
        ASSERT_TRUE(doc.inclinationIndex >= 0 && doc.inclinationIndex < 9);
        for (const CBCData& record : doc.exteriorAmbiances)
            ASSERT_TRUE(record.cityIndex >= -1 && record.cityIndex < 10);
    }
    // Damage to names and texts is harmless, so some damaged files still read.
    EXPECT_GT(accepted, 0);
}

} // namespace
} // namespace quelvan
