#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

TEST(NewDocument, ReplacesAnEditedProject)
{
    KslDoc doc;
    doc.SetPath("/tmp/etude/mur.ksl");
    doc.modified = true;
    doc.referencesConfirmed = true;
    doc.author = "Quelqu'un";
    doc.layers.Clear();
    doc.materials.At(0).SetName("Autre");
    doc.results.SetCell(5, 3, "12.5");
    doc.nextResultsRow = 6;
    doc.NewDocument();
    EXPECT_TRUE(doc.unnamed);
    EXPECT_EQ(doc.title, "Sans nom");
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(doc.referencesConfirmed);
    EXPECT_EQ(doc.author, "Nom de l'auteur");
    EXPECT_EQ(doc.layers.Count(), 3);
    EXPECT_EQ(doc.materials.At(0).Name(), "Béton lourd");
    EXPECT_EQ(doc.results.Cell(5, 3), "0");
    EXPECT_EQ(doc.nextResultsRow, 1);
}

TEST(BuildBuiltInData, ClearsEverythingFirst)
{
    KslDoc doc;
    doc.AddMaterial(3020, 5, "Terre", "1", "1", "1");
    doc.AddAmbiance(4010, Side::Interior, "En plus", ProfileType::Constant, ProfileType::Null,
        Period::Day, Period::Day, {}, {});
    doc.azimuthIndex = 7;
    doc.selectedExterior = 9;
    doc.printChoices.fill(1);
    doc.BuildBuiltInData();
    EXPECT_EQ(doc.materials.Count(), 19);
    EXPECT_EQ(doc.interiorAmbiances.Count(), 9);
    EXPECT_EQ(doc.exteriorAmbiances.Count(), 12);
    EXPECT_EQ(doc.azimuthIndex, 4);
    EXPECT_EQ(doc.selectedExterior, 2);
    EXPECT_EQ(doc.printChoices[0], 0);
    EXPECT_EQ(doc.printChoices[9], 0);
}

TEST(Results, ResetGivesHeadersAndZeros)
{
    KslDoc doc;
    ASSERT_EQ(doc.results.RowCount(), 170);
    const char* headers[] = { "H", "TE", "TSE", "TSI", "TI", "FE", "FSE", "FSI", "FI", "EE", "EI",
        "FPRM", "TEQE", "TEQI" };
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(doc.results.Cell(0, c), headers[c]);
    for (int r = 1; r < 170; ++r) {
        ASSERT_EQ(doc.results.CellCount(r), 14);
        for (int c = 0; c < 14; ++c)
            ASSERT_EQ(doc.results.Cell(r, c), "0") << r << ", " << c;
    }
    EXPECT_EQ(doc.nextResultsRow, 1);
}

struct PathCase {
    const char* path;
    const char* withoutExtension;
    const char* extension;
    const char* title;
    bool unnamed;
};

class SetPathTest : public testing::TestWithParam<PathCase> { };

TEST_P(SetPathTest, FillsTheRecord)
{
    KslDoc doc;
    doc.SetPath(GetParam().path);
    EXPECT_EQ(doc.pathWithoutExtension, GetParam().withoutExtension);
    EXPECT_EQ(doc.extension, GetParam().extension);
    EXPECT_EQ(doc.title, GetParam().title);
    EXPECT_EQ(doc.unnamed, GetParam().unnamed);
}

INSTANTIATE_TEST_SUITE_P(Paths, SetPathTest,
    testing::Values(PathCase { "/home/a/mur.ksl", "/home/a/mur", "ksl", "mur", false },
        PathCase { "C:\\dir\\proj.ksl", "C:\\dir\\proj", "ksl", "proj", false },
        PathCase { "/home/a.b/mur.ksl", "/home/a.b/mur", "ksl", "mur", false },
        PathCase { "mur", "mur", "", "mur", false }, PathCase { "", "", "", "", true }));

TEST(TakeProjectData, MovesListsAndKeepsLayerLinks)
{
    KslDoc source;
    source.author = "Auteur lu";
    source.azimuthIndex = 1;
    source.materials.At(0).SetConductivity("2.1");
    const CMaterial* concrete = &source.materials.At(0);
    KslDoc target;
    target.SetPath("/tmp/x.ksl");
    target.results.SetCell(1, 1, "7");
    target.TakeProjectData(source);
    EXPECT_EQ(target.author, "Auteur lu");
    EXPECT_EQ(target.azimuthIndex, 1);
    EXPECT_EQ(&target.materials.At(0), concrete);
    EXPECT_EQ(target.layers.At(0).Material(), concrete);
    EXPECT_EQ(target.layers.At(0).Material()->Conductivity(), "2.1");
    // The file-name record and the results belong to the target.
    EXPECT_EQ(target.fullPath, "/tmp/x.ksl");
    EXPECT_EQ(target.results.Cell(1, 1), "7");
}

} // namespace
} // namespace quelvan
