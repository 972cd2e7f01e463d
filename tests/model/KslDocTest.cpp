#include "model/KslDoc.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

// New and the built-in data replace whatever was edited by what a fresh project holds.
TEST(NewDocument, ReplacesAnEditedProject)
{
    const KslDoc fresh;
    KslDoc doc;
    doc.SetPath("/tmp/etude/mur.ksl");
    doc.modified = true;
    doc.referencesConfirmed = true;
    doc.author = "Quelqu'un";
    doc.layers.Clear();
    doc.materials.At(0).SetName("Autre");
    doc.AddMaterial(3020, 5, "Terre", "1", "1", "1");
    doc.AddAmbiance(4010, Side::Interior, "En plus", ProfileType::Constant, ProfileType::Null,
        Period::Day, Period::Day, {}, {});
    doc.surfaces.resistanceExterior = "0.2";
    doc.azimuthIndex = 7;
    doc.selectedExterior = 9;
    doc.printChoices.fill(1);
    doc.results.SetCell(5, 3, "12.5");
    doc.nextResultsRow = 6;
    doc.NewDocument();
    EXPECT_TRUE(doc.unnamed);
    EXPECT_EQ(doc.title, "Sans nom");
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(doc.referencesConfirmed);
    EXPECT_EQ(doc.author, fresh.author);
    EXPECT_EQ(doc.layers.Count(), fresh.layers.Count());
    EXPECT_EQ(doc.materials.Count(), fresh.materials.Count());
    EXPECT_EQ(doc.materials.At(0).Name(), fresh.materials.At(0).Name());
    EXPECT_EQ(doc.interiorAmbiances.Count(), fresh.interiorAmbiances.Count());
    EXPECT_EQ(doc.surfaces, fresh.surfaces);
    EXPECT_EQ(doc.azimuthIndex, fresh.azimuthIndex);
    EXPECT_EQ(doc.selectedExterior, fresh.selectedExterior);
    EXPECT_EQ(doc.printChoices, fresh.printChoices);
    EXPECT_EQ(doc.results.Cell(5, 3), "0");
    EXPECT_EQ(doc.nextResultsRow, 1);
}

struct PathCase {
    const char* path;
    const char* withoutExtension;
    const char* extension;
    const char* title;
    bool unnamed;
    friend void PrintTo(const PathCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.path);
    }
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
        PathCase { "mur.v2.ksl", "mur.v2", "ksl", "mur.v2", false },
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
