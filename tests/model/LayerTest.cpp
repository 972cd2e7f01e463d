#include "model/KslDoc.h"
#include "model/WallTables.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

TEST(BuiltInWall, ThreeLayersFromTheExteriorFace)
{
    const KslDoc doc;
    ASSERT_EQ(doc.layers.Count(), 3);
    const char* names[] = { "Béton lourd", "Laine de verre", "Plâtre" };
    const char* thicknesses[] = { "200", "50", "10" };
    for (int i = 0; i < 3; ++i) {
        const NMaterialLayer& layer = doc.layers.At(i);
        ASSERT_NE(layer.Material(), nullptr);
        EXPECT_EQ(layer.Material()->Name(), names[i]);
        EXPECT_EQ(layer.Thickness(), thicknesses[i]);
        // The layer points into the document's own library.
        EXPECT_NE(doc.materials.IndexOf(layer.Material()), -1);
    }
}

TEST(LayerResistance, HandCalculatedValues)
{
    const KslDoc doc;
    // 200 / (1000 × 2), 50 / (1000 × 0.041), 10 / (1000 × 0.43).
    EXPECT_NEAR(doc.layers.At(0).Resistance(), 0.1, 1e-9);
    EXPECT_NEAR(doc.layers.At(1).Resistance(), 1.2195122, 1e-6);
    EXPECT_NEAR(doc.layers.At(2).Resistance(), 0.0232558, 1e-6);
    const NMaterialLayer without;
    EXPECT_EQ(without.Thickness(), "undefined");
    EXPECT_EQ(without.Resistance(), 0.0);
    const CMaterial material(3001, 0, "Béton", "2", "2450", "1000");
    EXPECT_NEAR(NMaterialLayer(&material, "12,5").Resistance(), 0.00625, 1e-9);
    EXPECT_EQ(NMaterialLayer(&material, "épais").Resistance(), 0.0);
}

TEST(LayerResistance, ZeroConductivityGivesZeroNotInfinity)
{
    const CMaterial vacuum(3001, 0, "Vide", "0", "1", "1");
    EXPECT_EQ(NMaterialLayer(&vacuum, "10").Resistance(), 0.0);
}

TEST(Layer, AssignCopiesThicknessAndMaterial)
{
    const KslDoc doc;
    NMaterialLayer copy;
    copy = doc.layers.At(1);
    EXPECT_EQ(copy.Material(), doc.layers.At(1).Material());
    EXPECT_EQ(copy.Thickness(), "50");
}

TEST(WallTables, AzimuthLookups)
{
    EXPECT_EQ(AzimuthIndexOf(-145), 1);
    EXPECT_STREQ(kAzimuths[1].label, "Nord-Est");
    EXPECT_EQ(AzimuthIndexOf(-135), -1);
    EXPECT_EQ(AzimuthIndexOf(0), 4);
    EXPECT_EQ(AzimuthIndexOf(180), 0);
    EXPECT_EQ(AzimuthIndexOf(135), 7);
    EXPECT_EQ(AzimuthDegrees(2), -90);
    EXPECT_EQ(AzimuthDegrees(8), 0); // outside: south
    EXPECT_EQ(AzimuthDegrees(-1), 0);
}

TEST(WallTables, InclinationLookups)
{
    const int degrees[] = { 0, 30, 45, 60, 90, 120, 135, 150, 180 };
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(InclinationIndexOf(degrees[i]), i);
        EXPECT_EQ(InclinationDegrees(i), degrees[i]);
    }
    EXPECT_EQ(InclinationIndexOf(75), -1);
    EXPECT_EQ(InclinationDegrees(9), 90); // outside: vertical
    EXPECT_STREQ(kInclinations[8].label, "180°/sol (terrasse)");
}

} // namespace
} // namespace quelvan
