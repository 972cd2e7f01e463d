#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include "persistence/ProjectTestSupport.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

using test::kExterior;
using test::kInterior;
using test::kLayers;
using test::kMaterials;
using test::LineIndex;

const std::string kSeparator(60, '=');

// Each section: its count line, as many record lines, a separator.
void ExpectSection(const std::vector<std::string>& lines, std::string_view count, int records,
    std::string_view recordKey)
{
    const size_t first = LineIndex(lines, count) + 1;
    ASSERT_LE(first + static_cast<size_t>(records), lines.size() - 1);
    for (size_t i = first; i < first + static_cast<size_t>(records); ++i)
        EXPECT_TRUE(lines[i].starts_with(recordKey)) << lines[i];
    EXPECT_EQ(lines[first + static_cast<size_t>(records)], kSeparator) << count;
}

TEST(ProjectLines, NewProjectLayout)
{
    const auto lines = FormatProjectLines(KslDoc());
    const std::vector<std::string> heading { "1.20a: numero de version", "Nom de l'auteur",
        "Référence du projet", "titre3", "titre4", kSeparator,
        "N=          10 :", " 0 1 1 0 0 0 0 0 0 0", kSeparator, std::string(kMaterials) };
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 10), heading);
    ExpectSection(lines, kMaterials, 19, "O=");
    ExpectSection(lines, kExterior, 12, "O=");
    ExpectSection(lines, kInterior, 9, "O=");
    ExpectSection(lines, kLayers, 3, "L=");
    const size_t mode = LineIndex(lines, kInterior) + 11;
    const std::vector<std::string> placement { "T=           0 :", kSeparator,
        "A=           0 :", "I=          90 :", "a=         0.4 :", "a=         0.4 :",
        "h=        0.13 :", "h=        0.04 :", "C=           2 :", "C=           2 :", kSeparator,
        std::string(kLayers) };
    EXPECT_EQ(std::vector(lines.begin() + static_cast<long>(mode),
                  lines.begin() + static_cast<long>(mode) + 12),
        placement);
    EXPECT_EQ(lines.size(), mode + 12 + 3 + 1);
}

// Record lines of a new project, from the formats "O=%3d L=%12s R=%12s C=%12s C=%3d%3d%3d N=%s",
// "O=%3d %1d %2d %3d %1d %2s %2d %4s %4s %4s %4s %2s %2d %5s %5s %5s %5s N=%s" and
// "L=%12s I=%3d M=%s" filled with the built-in data.
TEST(ProjectLines, NewProjectRecords)
{
    const auto lines = FormatProjectLines(KslDoc());
    const struct {
        std::string_view section;
        std::string_view key;
        const char* line;
    } expected[] {
        { kMaterials, "O=  0",
            "O=  0 L=           2 R=        2450 C=        1000 C=168168168 N=Béton lourd" },
        // Colour 230, 155, 97 in three adjacent fields.
        { kMaterials, "O=  5",
            "O=  5 L=         1.3 R=        1900 C=        1000 C=230155 97 N=Enduit de mortier" },
        { kExterior, "O=  2",
            "O=  2 0 -1   1 1 SN  1   25   35   15    0 NU  1     0     0    48    60 "
            "N=Température sinusoïdale 25/35 °C sans flux" },
        // A week is written 7.
        { kExterior, "O=  4",
            "O=  4 0 -1   1 1 RM  7    0   20   48   60 NU  1     0     0    60   168 "
            "N=Rampe de température 0/20 °C sans flux" },
        // The weather record: flag 1, city 5, first day 1, values 0, 0, 7, 0.
        { kExterior, "O= 11",
            "O= 11 1  5   1 1 FL  1    0    0    7    0 FL  1     0     0     0     0 "
            "N=Météo de la ville de Mâcon" },
        { kLayers, "L=", "L=         200 I=  0 M=Béton lourd" },
        { kLayers, "L=          50", "L=          50 I= 13 M=Laine de verre" },
        { kLayers, "L=          10", "L=          10 I=  8 M=Plâtre" },
    };
    for (const auto& e : expected)
        EXPECT_EQ(lines[LineIndex(lines, e.key, e.section)], e.line);
}

TEST(ProjectLines, PlacementWritesDegrees)
{
    KslDoc doc;
    doc.azimuthIndex = 1;
    doc.inclinationIndex = 8;
    doc.initialTemperatureMode = InitialTemperature::PreviousCalculation;
    doc.selectedInterior = 8;
    const auto lines = FormatProjectLines(doc);
    EXPECT_EQ(lines[LineIndex(lines, "A=")], "A=        -145 :");
    EXPECT_EQ(lines[LineIndex(lines, "I=")], "I=         180 :");
    EXPECT_EQ(lines[LineIndex(lines, "T=")], "T=           1 :");
    EXPECT_EQ(lines[LineIndex(lines, "C=") + 1], "C=           8 :");
}

TEST(ProjectLines, OverLongValuesAreNeverCut)
{
    KslDoc doc;
    doc.materials.At(0).SetConductivity("0.0410000000001"); // 15 characters in 12
    doc.exteriorAmbiances.At(0).temperature.values[0] = "-12.25"; // 6 in 4
    const auto lines = FormatProjectLines(doc);
    EXPECT_EQ(
        lines[LineIndex(lines, "O=  0", kMaterials)].substr(0, 26), "O=  0 L=0.0410000000001 R=");
    EXPECT_EQ(lines[LineIndex(lines, "O=  0", kExterior)].substr(20, 13), " 1 -12.25   3");
}

TEST(ProjectLines, SurroundingBlanksOfValuesAreNotWritten)
{
    KslDoc doc;
    doc.surfaces.absorptionInterior = "  0.5 ";
    doc.layers.At(0).SetThickness(" 200");
    const auto lines = FormatProjectLines(doc);
    EXPECT_EQ(lines[LineIndex(lines, "a=")], "a=         0.5 :");
    EXPECT_EQ(lines[LineIndex(lines, "L=", kLayers)].substr(0, 14), "L=         200");
}

TEST(ProjectLines, FlagsAreWrittenForAllTenChoices)
{
    KslDoc doc;
    doc.printChoices = { 1, 0, 0, 1, 1, 0, 1, 0, 0, 1 };
    const auto lines = FormatProjectLines(doc);
    EXPECT_EQ(lines[LineIndex(lines, test::kPrintChoiceCount) + 1], " 1 0 0 1 1 0 1 0 0 1");
}

} // namespace
} // namespace quelvan
