#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quelvan {
namespace {

const std::string kSeparator(60, '=');

// Position of the first line starting with prefix, at or after from.
size_t LineIndex(const std::vector<std::string>& lines, const std::string& prefix, size_t from = 0)
{
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0)
            return i;
    ADD_FAILURE() << "no line starts with " << prefix;
    return lines.size() - 1;
}

// Columns counted from 0, as the format describes them (the lines checked here are ASCII up
// to the name field).
std::string Columns(const std::string& line, size_t first, size_t last)
{
    return line.substr(first, last - first + 1);
}

TEST(ProjectLines, NewProjectLayout)
{
    const KslDoc doc;
    const auto lines = FormatProjectLines(doc);
    // 9 heading lines, 1 + 19 + 1 materials, 1 + 12 + 1 and 1 + 9 + 1 ambiances, T and a
    // separator, 8 single values and a separator, 1 + 3 layers and the final separator.
    ASSERT_EQ(lines.size(), 71u);
    EXPECT_EQ(lines[0], "1.20a: numero de version");
    EXPECT_EQ(lines[1], "Nom de l'auteur");
    EXPECT_EQ(lines[2], "Référence du projet");
    EXPECT_EQ(lines[3], "titre3");
    EXPECT_EQ(lines[4], "titre4");
    EXPECT_EQ(lines[5], kSeparator);
    EXPECT_EQ(lines[6], "N=          10 :");
    EXPECT_EQ(lines[7], " 0 1 1 0 0 0 0 0 0 0");
    EXPECT_EQ(lines[8], kSeparator);
    EXPECT_EQ(lines[9], "N= 19  : nb de materiaux");
    EXPECT_EQ(lines[29], kSeparator);
    EXPECT_EQ(lines[30], "N= 12  : nb de CL exterieures");
    EXPECT_EQ(lines[43], kSeparator);
    EXPECT_EQ(lines[44], "N=  9  : nb de CL interieures");
    EXPECT_EQ(lines[54], kSeparator);
    const std::vector<std::string> tail(lines.begin() + 55, lines.begin() + 67);
    const std::vector<std::string> expected { "T=           0 :", kSeparator,
        "A=           0 :", "I=          90 :", "a=         0.4 :", "a=         0.4 :",
        "h=        0.13 :", "h=        0.04 :", "C=           2 :", "C=           2 :", kSeparator,
        "N=  3 : nb de couches" };
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(lines[70], kSeparator);
}

TEST(ProjectLines, ConcreteMaterialLineColumnByColumn)
{
    const auto lines = FormatProjectLines(KslDoc());
    const std::string& line = lines[10];
    EXPECT_EQ(Columns(line, 0, 1), "O=");
    EXPECT_EQ(Columns(line, 2, 4), "  0");
    EXPECT_EQ(Columns(line, 5, 7), " L=");
    EXPECT_EQ(Columns(line, 8, 19), "           2");
    EXPECT_EQ(Columns(line, 20, 22), " R=");
    EXPECT_EQ(Columns(line, 23, 34), "        2450");
    EXPECT_EQ(Columns(line, 35, 37), " C=");
    EXPECT_EQ(Columns(line, 38, 49), "        1000");
    EXPECT_EQ(Columns(line, 50, 52), " C=");
    EXPECT_EQ(Columns(line, 53, 55), "168");
    EXPECT_EQ(Columns(line, 56, 58), "168");
    EXPECT_EQ(Columns(line, 59, 61), "168");
    EXPECT_EQ(Columns(line, 62, 64), " N=");
    EXPECT_EQ(line.substr(65), "Béton lourd");
}

TEST(ProjectLines, MaterialColoursAreAdjacentThreeColumnFields)
{
    const auto lines = FormatProjectLines(KslDoc());
    // "Enduit de mortier": colour 5, (230, 155, 97).
    EXPECT_EQ(Columns(lines[15], 53, 61), "230155 97");
    // "Bois résineux", row 14, index 16.
    EXPECT_EQ(Columns(lines[23], 2, 4), " 16");
}

TEST(ProjectLines, ThirdExteriorAmbianceLineColumnByColumn)
{
    const auto lines = FormatProjectLines(KslDoc());
    const std::string& line = lines[33];
    EXPECT_EQ(Columns(line, 0, 1), "O=");
    EXPECT_EQ(Columns(line, 2, 4), "  2");
    EXPECT_EQ(Columns(line, 6, 6), "0"); // weather flag
    EXPECT_EQ(Columns(line, 8, 9), "-1"); // city
    EXPECT_EQ(Columns(line, 11, 13), "  1"); // first day
    EXPECT_EQ(Columns(line, 15, 15), "1"); // weather period: a day
    EXPECT_EQ(Columns(line, 17, 18), "SN");
    EXPECT_EQ(Columns(line, 20, 21), " 1");
    EXPECT_EQ(Columns(line, 23, 26), "  25");
    EXPECT_EQ(Columns(line, 28, 31), "  35");
    EXPECT_EQ(Columns(line, 33, 36), "  15");
    EXPECT_EQ(Columns(line, 38, 41), "   0");
    EXPECT_EQ(Columns(line, 43, 44), "NU");
    EXPECT_EQ(Columns(line, 46, 47), " 1");
    EXPECT_EQ(Columns(line, 49, 53), "    0");
    EXPECT_EQ(Columns(line, 55, 59), "    0");
    EXPECT_EQ(Columns(line, 61, 65), "   48");
    EXPECT_EQ(Columns(line, 67, 71), "   60");
    EXPECT_EQ(Columns(line, 72, 74), " N=");
    EXPECT_EQ(line.substr(75), "Température sinusoïdale 25/35 °C sans flux");
    for (const size_t blank : { 5, 7, 10, 14, 16, 19, 22, 27, 32, 37, 42, 45, 48, 54, 60, 66 })
        EXPECT_EQ(line[blank], ' ') << "column " << blank;
}

TEST(ProjectLines, WeekPeriodsAndWeatherRecord)
{
    const auto lines = FormatProjectLines(KslDoc());
    // Ramp 4005: temperature over a week, written 7.
    EXPECT_EQ(Columns(lines[35], 17, 21), "RM  7");
    // Mâcon: weather flag 1, city 5, first day 1, values 0, 0, 7, 0.
    const std::string& macon = lines[42];
    EXPECT_EQ(Columns(macon, 2, 18), " 11 1  5   1 1 FL");
    EXPECT_EQ(Columns(macon, 23, 41), "   0    0    7    0");
}

TEST(ProjectLines, FirstLayerLineColumnByColumn)
{
    const auto lines = FormatProjectLines(KslDoc());
    const std::string& line = lines[67];
    EXPECT_EQ(Columns(line, 0, 1), "L=");
    EXPECT_EQ(Columns(line, 2, 13), "         200");
    EXPECT_EQ(Columns(line, 14, 16), " I=");
    EXPECT_EQ(Columns(line, 17, 19), "  0");
    EXPECT_EQ(Columns(line, 20, 22), " M=");
    EXPECT_EQ(line.substr(23), "Béton lourd");
    EXPECT_EQ(lines[68], "L=          50 I= 13 M=Laine de verre");
    EXPECT_EQ(lines[69], "L=          10 I=  8 M=Plâtre");
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
    EXPECT_EQ(lines[LineIndex(lines, "C=", 56) + 1], "C=           8 :");
}

TEST(ProjectLines, OverLongValuesAreNeverCut)
{
    KslDoc doc;
    doc.materials.At(0).SetConductivity("0.0410000000001"); // 15 characters in 12
    doc.exteriorAmbiances.At(0).temperature.values[0] = "-12.25"; // 6 in 4
    const auto lines = FormatProjectLines(doc);
    EXPECT_EQ(lines[10].substr(0, 26), "O=  0 L=0.0410000000001 R=");
    EXPECT_EQ(lines[31].substr(20, 13), " 1 -12.25   3");
}

TEST(ProjectLines, SurroundingBlanksOfValuesAreNotWritten)
{
    KslDoc doc;
    doc.surfaces.absorptionInterior = "  0.5 ";
    doc.layers.At(0).SetThickness(" 200");
    const auto lines = FormatProjectLines(doc);
    EXPECT_EQ(lines[59], "a=         0.5 :");
    EXPECT_EQ(lines[67].substr(0, 14), "L=         200");
}

TEST(ProjectLines, FlagsAreWrittenForAllTenChoices)
{
    KslDoc doc;
    doc.printChoices = { 1, 0, 0, 1, 1, 0, 1, 0, 0, 1 };
    EXPECT_EQ(FormatProjectLines(doc)[7], " 1 0 0 1 1 0 1 0 0 1");
}

} // namespace
} // namespace quelvan
