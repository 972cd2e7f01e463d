#include "model/KslDoc.h"
#include "model/WallTables.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

TEST(BuiltInWall, LayersPointIntoTheDocumentsOwnLibrary)
{
    const KslDoc doc;
    ASSERT_FALSE(doc.layers.IsEmpty());
    for (const NMaterialLayer& layer : doc.layers)
        EXPECT_NE(doc.materials.IndexOf(layer.Material()), -1) << layer.Thickness();
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

// Every angle of the tables reads back to its index; other angles and indices fall back.
TEST(WallTables, AnglesAndIndicesReadBack)
{
    for (int i = 0; i < static_cast<int>(kAzimuths.size()); ++i)
        EXPECT_EQ(AzimuthIndexOf(AzimuthDegrees(i)), i);
    for (int i = 0; i < static_cast<int>(kInclinations.size()); ++i)
        EXPECT_EQ(InclinationIndexOf(InclinationDegrees(i)), i);
    EXPECT_EQ(AzimuthIndexOf(-135), -1);
    EXPECT_EQ(InclinationIndexOf(75), -1);
    // Outside the tables: south and vertical.
    EXPECT_EQ(AzimuthDegrees(static_cast<int>(kAzimuths.size())), 0);
    EXPECT_EQ(AzimuthDegrees(-1), 0);
    EXPECT_EQ(InclinationDegrees(static_cast<int>(kInclinations.size())), 90);
    const KslDoc doc;
    EXPECT_EQ(doc.AzimuthDegrees(), 0);
    EXPECT_EQ(doc.InclinationDegrees(), 90);
}

} // namespace
} // namespace quelvan
