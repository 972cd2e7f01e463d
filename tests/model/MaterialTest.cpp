#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/OwnRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace quelvan {
namespace {

// Finding by library index follows the identifier, not the row: the built-in library has
// materials whose row and index differ.
TEST(MaterialLibrary, EveryMaterialIsFoundByItsIndexAndName)
{
    const KslDoc doc;
    bool rowDiffers = false;
    for (int row = 0; row < doc.materials.Count(); ++row) {
        const CMaterial& m = doc.materials.At(row);
        EXPECT_EQ(doc.FindMaterialByIndex(m.LibraryIndex()), &m) << m.Name();
        EXPECT_EQ(doc.FindMaterialByName(m.Name()), &m) << m.Name();
        // The colour of a material is also its fill and outline.
        EXPECT_EQ(m.BrushColour(), m.GetColour());
        EXPECT_EQ(m.PenColour(), m.GetColour());
        rowDiffers = rowDiffers || m.LibraryIndex() != row;
    }
    EXPECT_TRUE(rowDiffers);
    EXPECT_EQ(doc.FindMaterialByIndex(doc.materials.Count()), nullptr);
    EXPECT_EQ(doc.FindMaterialByIndex(-1), nullptr);
}

TEST(MaterialLibrary, FindByNameIsExact)
{
    const KslDoc doc;
    const CMaterial* plaster = doc.FindMaterialByName("Plâtre");
    ASSERT_NE(plaster, nullptr);
    EXPECT_EQ(plaster->Name(), "Plâtre");
    EXPECT_EQ(doc.FindMaterialByName("plâtre"), nullptr);
    EXPECT_EQ(doc.FindMaterialByName("Plâtre "), nullptr);
    EXPECT_EQ(doc.FindMaterialByName(""), nullptr);
}

TEST(MaterialLibrary, FindReturnsTheFirstOfDuplicates)
{
    KslDoc doc;
    doc.AddMaterial(3001, 3, "Béton lourd", "9", "9", "9");
    EXPECT_EQ(doc.FindMaterialByName("Béton lourd"), &doc.materials.At(0));
    EXPECT_EQ(doc.FindMaterialByIndex(0), &doc.materials.At(0));
    EXPECT_EQ(doc.materials.At(doc.materials.Count() - 1).Conductivity(), "9"); // appended last
}

TEST(Material, AssignKeepsTheTargetIdentifier)
{
    CMaterial target(3005, 4, "Pisé", "1.1", "1800", "1000");
    const CMaterial source(3008, 7, "Métal ferreux", "72", "7870", "450");
    target.AssignFrom(source);
    EXPECT_EQ(target.Identifier(), 3005);
    EXPECT_EQ(target.Name(), "Métal ferreux");
    EXPECT_EQ(target.Conductivity(), "72");
    EXPECT_EQ(target.Density(), "7870");
    EXPECT_EQ(target.Capacity(), "450");
    EXPECT_EQ(target.GetColour(), CMaterial::TableColour(7));
    EXPECT_EQ(target.BrushColour(), CMaterial::TableColour(7));
}

TEST(Material, ColourIndexOutsideTheTableGivesItsFirstColour)
{
    const int count = CMaterial::kColourCount;
    EXPECT_EQ(CMaterial::TableColour(count), CMaterial::TableColour(0));
    EXPECT_EQ(CMaterial::TableColour(-1), CMaterial::TableColour(0));
    EXPECT_NE(CMaterial::TableColour(count - 1), CMaterial::TableColour(0));
}

TEST(MaterialDerived, HandCalculatedValues)
{
    // a = 2 / (2000 × 1000) = 1e-6 m²/s; b = sqrt(2 × 2000 × 1000) = 2000.
    const auto concrete = DerivedTexts("2", "2000", "1000");
    EXPECT_EQ(concrete.diffusivity, "1.00");
    EXPECT_EQ(concrete.effusivity, "2000");
    // Glass wool: 0.041 / (15 × 1030) = 2.654e-6; sqrt(0.041 × 15 × 1030) = 25.17.
    const auto wool = DerivedTexts("0.041", "15", "1030");
    EXPECT_EQ(wool.diffusivity, "2.65");
    EXPECT_EQ(wool.effusivity, "25");
    // Decimal commas are read like points.
    EXPECT_EQ(DerivedTexts("0,041", "15", "1030").diffusivity, "2.65");
}

TEST(MaterialDerived, UnreadablePropertyShowsDashes)
{
    for (const auto& texts : { DerivedTexts("abc", "2000", "1000"), DerivedTexts("2", "", "1000"),
             DerivedTexts("2", "2000", "1.2.3") }) {
        EXPECT_EQ(texts.diffusivity, "---");
        EXPECT_EQ(texts.effusivity, "---");
    }
}

TEST(MaterialDerived, ZeroDensityDoesNotDivideByZero)
{
    const auto texts = DerivedTexts("2", "0", "1000");
    // 2 / 1e-7 × 1e6: finite, however large.
    EXPECT_EQ(texts.diffusivity.find("inf"), std::string::npos);
    EXPECT_EQ(texts.effusivity, "0");
}

} // namespace
} // namespace quelvan

namespace quelvan {
namespace {

// Copies made one after the other from a new project's library, up to the list's maximum: each
// takes a colour no material of the list has, the built-in ones included, while colours remain.
TEST(MaterialCopies, EachTakesAColourOfItsOwn)
{
    const KslDoc doc;
    std::vector<Colour> used;
    for (const CMaterial& material : doc.materials)
        used.push_back(material.GetColour());
    const size_t builtIn = used.size();
    while (used.size() < static_cast<size_t>(kMaxListRecords)) {
        const Colour colour = CopyColour(used);
        EXPECT_EQ(std::ranges::count(used, colour), 0) << used.size();
        used.push_back(colour);
    }
    // The first copies are strong colours; later ones paler, never white.
    EXPECT_LT(
        std::max({ RedOf(used[builtIn]), GreenOf(used[builtIn]), BlueOf(used[builtIn]) }), 240);
    EXPECT_NE(used.back(), MakeColour(255, 255, 255));
    // Every colour taken (twelve hues in four shades): the first again rather than none.
    std::vector<Colour> all;
    for (int i = 0; i < 48; ++i)
        all.push_back(CopyColour(all));
    EXPECT_EQ(std::set<Colour>(all.begin(), all.end()).size(), 48u);
    EXPECT_EQ(CopyColour(all), all.front());
}

} // namespace
} // namespace quelvan
