#include "model/CMaterial.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quelvan {
namespace {

struct MaterialRow {
    int identifier;
    int red, green, blue;
    const char* name;
    const char* conductivity;
    const char* density;
    const char* capacity;
};

// The built-in library in creation order, with the colours of its colour-table entries.
const MaterialRow kLibrary[] = {
    { 3001, 168, 168, 168, "Béton lourd", "2", "2450", "1000" },
    { 3002, 144, 144, 144, "Béton de granulats légers", "0.35", "1100", "1000" },
    { 3003, 127, 127, 127, "Béton d'argile expansé", "0.2", "550", "1000" },
    { 3004, 110, 110, 110, "Béton cellulaire", "0.145", "400", "1000" },
    { 3005, 232, 188, 106, "Pisé", "1.1", "1800", "1000" },
    { 3006, 230, 155, 97, "Enduit de mortier", "1.3", "1900", "1000" },
    { 3007, 227, 122, 91, "Asphalte", "0.7", "2200", "1000" },
    { 3008, 208, 73, 34, "Métal ferreux", "72", "7870", "450" },
    { 3009, 183, 64, 30, "Plâtre", "0.43", "1050", "1000" },
    { 3010, 177, 173, 20, "Plaque de plâtre à parement de carton", "0.25", "825", "1000" },
    { 3011, 209, 205, 24, "Caoutchouc", "0.17", "1200", "1400" },
    { 3012, 232, 227, 57, "Plastique", "0.25", "1700", "1400" },
    { 3013, 232, 227, 57, "Carrelage", "1.7", "2300", "1000" },
    { 3017, 242, 240, 145, "Bois résineux", "0.15", "500", "1600" },
    { 3018, 243, 243, 243, "Panneau fibragglo", "0.12", "400", "1700" },
    { 3014, 230, 230, 230, "Laine de verre", "0.041", "15", "1030" },
    { 3015, 210, 210, 210, "Laine de roche", "0.039", "80", "1030" },
    { 3016, 209, 205, 24, "Polystyrène expansé", "0.037", "25", "1450" },
    { 3019, 177, 173, 20, "Lame d'air non ventilée", "0.031", "1", "1000" },
};

class BuiltInMaterialTest : public testing::TestWithParam<int> { };

TEST_P(BuiltInMaterialTest, RowHoldsTheTableValues)
{
    const KslDoc doc;
    ASSERT_EQ(doc.materials.Count(), 19);
    const int row = GetParam();
    const MaterialRow& expected = kLibrary[row];
    const CMaterial& material = doc.materials.At(row);
    EXPECT_EQ(material.Identifier(), expected.identifier);
    EXPECT_EQ(material.IdentifierBase(), 3001);
    EXPECT_EQ(material.LibraryIndex(), expected.identifier - 3001);
    EXPECT_EQ(material.Name(), expected.name);
    EXPECT_EQ(material.Conductivity(), expected.conductivity);
    EXPECT_EQ(material.Density(), expected.density);
    EXPECT_EQ(material.Capacity(), expected.capacity);
    EXPECT_EQ(RedOf(material.GetColour()), expected.red);
    EXPECT_EQ(GreenOf(material.GetColour()), expected.green);
    EXPECT_EQ(BlueOf(material.GetColour()), expected.blue);
    // The colour of a material is also its fill and outline.
    EXPECT_EQ(material.BrushColour(), material.GetColour());
    EXPECT_EQ(material.PenColour(), material.GetColour());
}

INSTANTIATE_TEST_SUITE_P(Library, BuiltInMaterialTest, testing::Range(0, 19));

TEST(MaterialLibrary, LibraryIndexFollowsTheIdentifierNotTheRow)
{
    const KslDoc doc;
    ASSERT_NE(doc.FindMaterialByName("Béton lourd"), nullptr);
    EXPECT_EQ(doc.FindMaterialByName("Béton lourd")->LibraryIndex(), 0);
    EXPECT_EQ(doc.FindMaterialByName("Lame d'air non ventilée")->LibraryIndex(), 18);
    EXPECT_EQ(doc.FindMaterialByName("Bois résineux")->LibraryIndex(), 16);
    // Row 16 of the table holds index 13: finding by index follows the identifier.
    EXPECT_EQ(doc.FindMaterialByIndex(13)->Name(), "Laine de verre");
    EXPECT_EQ(doc.FindMaterialByIndex(16)->Name(), "Bois résineux");
    EXPECT_EQ(doc.FindMaterialByIndex(19), nullptr);
    EXPECT_EQ(doc.FindMaterialByIndex(-1), nullptr);
}

TEST(MaterialLibrary, FindByNameIsExact)
{
    const KslDoc doc;
    const CMaterial* plaster = doc.FindMaterialByName("Plâtre");
    ASSERT_NE(plaster, nullptr);
    EXPECT_EQ(plaster, &doc.materials.At(8)); // row 9 of the table
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
    EXPECT_EQ(doc.materials.At(19).Conductivity(), "9"); // appended at the end
}

TEST(Material, DefaultValues)
{
    const CMaterial material;
    EXPECT_EQ(material.Name(), "Defaut");
    EXPECT_EQ(material.Conductivity(), "1.75");
    EXPECT_EQ(material.Density(), "2000");
    EXPECT_EQ(material.Capacity(), "1000");
    EXPECT_EQ(material.Identifier(), -1);
    EXPECT_EQ(material.IdentifierBase(), 3001);
    EXPECT_EQ(material.GetColour(), MakeColour(168, 168, 168));
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
    EXPECT_EQ(target.GetColour(), MakeColour(208, 73, 34));
    EXPECT_EQ(target.BrushColour(), MakeColour(208, 73, 34));
}

TEST(Material, ColourTableEndsAndOutside)
{
    EXPECT_EQ(CMaterial::TableColour(22), MakeColour(183, 64, 30));
    EXPECT_EQ(CMaterial::TableColour(19), MakeColour(230, 155, 97));
    // An index outside the table gives its first colour rather than reading past it.
    EXPECT_EQ(CMaterial::TableColour(23), MakeColour(168, 168, 168));
    EXPECT_EQ(CMaterial::TableColour(-1), MakeColour(168, 168, 168));
}

TEST(ElementColours, PenAndBrushOperations)
{
    GElement element;
    EXPECT_FALSE(element.HasPen());
    EXPECT_FALSE(element.HasBrush());
    element.SetColour(MakeColour(1, 2, 3));
    EXPECT_EQ(element.PenWidth(), 0);
    EXPECT_EQ(element.PenStyle(), LineStyle::Solid);
    EXPECT_EQ(element.PenColour(), MakeColour(1, 2, 3));
    element.SetPenStyle(LineStyle::Dot);
    EXPECT_EQ(element.PenStyle(), LineStyle::Dot);
    EXPECT_EQ(element.PenWidth(), 1);
    EXPECT_EQ(element.PenColour(), MakeColour(1, 2, 3));
    element.SetPenColour(MakeColour(9, 9, 9));
    EXPECT_EQ(element.PenStyle(), LineStyle::Dot);
    EXPECT_EQ(element.PenColour(), MakeColour(9, 9, 9));
    EXPECT_EQ(element.GetColour(), MakeColour(1, 2, 3));
    element.SetBrushColour(MakeColour(4, 5, 6));
    EXPECT_EQ(element.BrushColour(), MakeColour(4, 5, 6));
    EXPECT_EQ(element.GetColour(), MakeColour(1, 2, 3));
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
