#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace quelvan {
namespace {

using test::kExterior;
using test::kInterior;
using test::kLayers;
using test::kMaterials;
using test::LineIndex;

// The lines of a new project, to be altered one at a time.
std::vector<std::string> NewProjectLines()
{
    return FormatProjectLines(KslDoc());
}

Failure Parse(const std::vector<std::string>& lines, KslDoc& doc, ReadError* error = nullptr)
{
    doc.BuildBuiltInData();
    return ParseProjectLines(doc, lines, error);
}

// Replaces the characters from column first on by text.
void Put(std::string& line, size_t first, const std::string& text)
{
    line.replace(first, text.size(), text);
}

TEST(ProjectRead, PrintChoicesFiveToNineReadAsZero)
{
    auto lines = NewProjectLines();
    lines[LineIndex(lines, test::kPrintChoiceCount) + 1] = " 1 0 1 1 1 1 1 1 1 1";
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), Failure::None);
    const std::array<std::uint8_t, 10> expected { 1, 0, 1, 1, 1, 0, 0, 0, 0, 0 };
    EXPECT_EQ(doc.printChoices, expected);
}

TEST(ProjectRead, VersionLineIsNotChecked)
{
    auto lines = NewProjectLines();
    lines.front() = "n'importe quoi";
    KslDoc doc;
    EXPECT_EQ(Parse(lines, doc), Failure::None);
    lines.front() = "";
    EXPECT_EQ(Parse(lines, doc), Failure::None);
}

TEST(ProjectRead, ProfileFieldsFollowTheirRules)
{
    auto lines = NewProjectLines();
    std::string& line = lines[LineIndex(lines, "O=  0", kExterior)];
    Put(line, 6, "2"); // weather flag: only 1 is true
    Put(line, 17, "XX"); // unknown temperature code
    Put(line, 43, "FL");
    Put(line, 46, " 3"); // a flux period other than 1 is a week
    Put(line, 15, "7");
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), Failure::None);
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
    Put(lines[LineIndex(lines, "O=  1", kInterior)], 46, "??");
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), Failure::None);
    EXPECT_EQ(doc.interiorAmbiances.At(1).flux.period, Period::Week);
}

TEST(ProjectRead, ShortAmbianceLineReadsMissingTextsAsEmpty)
{
    auto lines = NewProjectLines();
    std::string& line = lines[LineIndex(lines, "O=  3", kInterior)];
    line.resize(31); // through the first temperature value and 3 columns of the second
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), Failure::None);
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
    const size_t count = LineIndex(lines, kLayers);
    lines[count] = "N=  1 : nb de couches";
    lines[count + 1] = "L=        22.5 I= 16 M=ce nom n'est pas lu";
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), Failure::None);
    ASSERT_EQ(doc.layers.Count(), 1);
    EXPECT_EQ(doc.layers.At(0).Thickness(), "22.5");
    EXPECT_EQ(doc.layers.At(0).Material()->Name(), "Bois résineux");
    // No layer at all reads too; the wall then says why it cannot be computed.
    lines[count] = "N=  0 : nb de couches";
    ASSERT_EQ(Parse(lines, doc), Failure::None);
    EXPECT_EQ(doc.layers.Count(), 0);
    EXPECT_FALSE(CheckWall(doc.layers, doc.surfaces).Passed());
}

TEST(ProjectRead, SelectionIsAnAmbianceOrNone)
{
    auto lines = NewProjectLines();
    const size_t line = LineIndex(lines, "C=");
    // -1 is what the form stores when its list has no choice: the project reads, nothing chosen.
    lines[line] = "C=          -1 :";
    KslDoc doc;
    ASSERT_EQ(Parse(lines, doc), Failure::None);
    EXPECT_EQ(doc.SelectedAmbiance(Side::Exterior), nullptr);
    lines[line] = "C=          12 :"; // the exterior list holds 0 to 11
    ReadError error;
    ASSERT_EQ(Parse(lines, doc, &error), Failure::General);
    EXPECT_EQ(error,
        (ReadError { {}, static_cast<int>(line) + 1, "C=", ReadFault::UnknownAmbiance, {} }));
}

TEST(ProjectRead, LinesAfterTheLayersAreIgnored)
{
    auto lines = NewProjectLines();
    lines.pop_back(); // the final separator is not read
    KslDoc doc;
    EXPECT_EQ(Parse(lines, doc), Failure::None);
    lines.push_back("du texte en plus");
    EXPECT_EQ(Parse(lines, doc), Failure::None);
}

TEST(ProjectRead, FailedReadLeavesANewProject)
{
    test::TempFolder folder;
    auto lines = NewProjectLines();
    lines[1] = "Auteur du fichier";
    lines[LineIndex(lines, "A=")] = "A=        -135 :";
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    test::WriteBytes(folder.File("mur.ksl"), text);
    KslDoc doc;
    doc.author = "Auteur précédent";
    doc.layers.Clear();
    EXPECT_EQ(ReadProjectFile(doc, folder.File("mur.ksl")), Failure::General);
    EXPECT_EQ(doc.author, "Nom de l'auteur");
    EXPECT_EQ(doc.layers.Count(), 3);
    ReadError error;
    EXPECT_EQ(ReadProjectFile(doc, folder.File("absent.ksl"), &error), Failure::General);
    EXPECT_EQ(error, (ReadError { {}, 0, {}, ReadFault::NotFound, {} }));
    EXPECT_EQ(ReadProjectFile(doc, folder.Path().string()), Failure::General); // a folder
}

// One line spoiled; the read stops on it and names the field and the reason. The files of
// tests/data/malformed cover the other faults.
struct Spoiler {
    const char* label;
    std::string_view section; // the spoiled line is the first after this one starting with key
    std::string_view key;
    std::function<void(std::string&)> spoil;
    const char* field;
    ReadFault fault;
    friend void PrintTo(const Spoiler& c, std::ostream* os) { *os << c.label; }
};

class MalformedLineTest : public testing::TestWithParam<Spoiler> { };

TEST_P(MalformedLineTest, IsRefusedWhereItIs)
{
    const Spoiler& spoiler = GetParam();
    auto lines = NewProjectLines();
    const size_t index = LineIndex(lines, spoiler.key, spoiler.section);
    spoiler.spoil(lines[index]);
    KslDoc doc;
    ReadError error;
    ASSERT_EQ(Parse(lines, doc, &error), Failure::General);
    // The limits of an out-of-range value are in the corpus' messages (tests/data/malformed).
    EXPECT_EQ(error,
        (ReadError {
            {}, static_cast<int>(index) + 1, spoiler.field, spoiler.fault, error.limits }));
}

INSTANTIATE_TEST_SUITE_P(Fields, MalformedLineTest,
    testing::Values(Spoiler { "MaterialNegativeIndex", kMaterials, "O=  1",
                        [](auto& l) { Put(l, 2, " -1"); }, "O=", ReadFault::OutOfRange },
        Spoiler { "CityJustPastTheListWithoutStations", kExterior, "O=  2",
            [](auto& l) { Put(l, 8, "10"); }, "ville", ReadFault::UnknownStation },
        Spoiler { "CityPastTheStations", kExterior, "O=  2", [](auto& l) { Put(l, 8, "100"); },
            "ville", ReadFault::OutOfRange },
        Spoiler { "WeatherPeriod", kExterior, "O=  3", [](auto& l) { Put(l, 15, "j"); },
            "période météo", ReadFault::NotANumber },
        Spoiler { "SelectionWithDecimals", {}, "C=", [](auto& l) { l = "C=         1.5 :"; },
            "C=", ReadFault::NotANumber },
        Spoiler { "IntegerOverflow", {}, "C=", [](auto& l) { l = "C=999999999999 :"; },
            "C=", ReadFault::OutOfRange },
        Spoiler { "LayerMaterialNotANumber", kLayers, "L=", [](auto& l) { Put(l, 17, "  ?"); },
            "I=", ReadFault::NotANumber },
        Spoiler { "TitleLineTooLong", {}, "titre3",
            [](auto& l) { l = std::string(kMaxProjectLineLength + 1, 'x'); }, "",
            ReadFault::LineTooLong }));

// Random damage to a valid file never crashes the reader; a refusal names a line of the file
// (or the one after its end), and whatever it accepts is a project the engine and the drawing
// can take: every layer has a material of the library and the angles are in their tables.
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
        ReadError error;
        if (Parse(lines, doc, &error) != Failure::None) {
            ASSERT_GE(error.line, 1);
            ASSERT_LE(error.line, static_cast<int>(lines.size()) + 1);
            continue;
        }
        ++accepted;
        for (const NMaterialLayer& layer : doc.layers)
            ASSERT_NE(doc.materials.IndexOf(layer.Material()), -1);
        ASSERT_TRUE(doc.azimuthIndex >= 0 && doc.azimuthIndex < 8);
        ASSERT_TRUE(doc.inclinationIndex >= 0 && doc.inclinationIndex < 9);
        for (const CBCData& record : doc.exteriorAmbiances)
            ASSERT_TRUE(record.cityIndex >= -1 && record.cityIndex < kFirstStationIndex);
    }
    // Damage to names and texts is harmless, so some damaged files still read.
    EXPECT_GT(accepted, 0);
}

} // namespace
} // namespace quelvan
