// The one wall check of the calculation: every fault with the layer and the field it names.
#include "model/WallCheck.h"

#include "core/Messages.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

// The new project's wall: 200 mm "Béton lourd", 50 mm "Laine de verre", 10 mm "Plâtre".
CMaterial& MaterialOf(KslDoc& d, int layer)
{
    return d.materials.At(d.materials.IndexOf(d.layers.At(layer).Material()));
}

struct WallCase {
    const char* name;
    void (*spoil)(KslDoc&);
    WallCheck expected;
    const char* message;
    friend void PrintTo(const WallCase& c, std::ostream* os) { *os << c.name; }
};
class WallChecks : public ::testing::TestWithParam<WallCase> { };

TEST_P(WallChecks, FirstFaultWithItsLayerFieldAndMessage)
{
    KslDoc doc;
    GetParam().spoil(doc);
    const WallCheck check = CheckWall(doc.layers, doc.surfaces);
    EXPECT_EQ(check, GetParam().expected);
    EXPECT_EQ(check.Message(), GetParam().message);
    EXPECT_EQ(check.Code() == 0, check.Passed());
}

using F = WallFault;
using W = WallField;
INSTANTIATE_TEST_SUITE_P(Walls, WallChecks,
    ::testing::Values(WallCase { "sound", [](KslDoc&) {}, {}, "" },
        WallCase { "unreadable density counts as 0",
            [](KslDoc& d) { MaterialOf(d, 1).SetDensity("abc"); }, {}, "" },
        WallCase { "zero surface resistance",
            [](KslDoc& d) { d.surfaces.resistanceExterior = "0"; }, {}, "" },
        WallCase { "no layer", [](KslDoc& d) { d.layers.Clear(); }, { F::NoLayer, 0, W::None },
            msg::kWallHasNoLayer },
        WallCase { "no material", [](KslDoc& d) { d.layers.At(1).SetMaterial(nullptr); },
            { F::LayerWithoutMaterial, 2, W::Material }, msg::kLayerWithoutMaterial },
        WallCase { "zero thickness", [](KslDoc& d) { d.layers.At(2).SetThickness("0"); },
            { F::BadThickness, 3, W::Thickness }, msg::kLayerBadThickness },
        WallCase { "text thickness", [](KslDoc& d) { d.layers.At(0).SetThickness("épais"); },
            { F::BadThickness, 1, W::Thickness }, msg::kLayerBadThickness },
        WallCase { "negative thickness", [](KslDoc& d) { d.layers.At(0).SetThickness("-5"); },
            { F::BadThickness, 1, W::Thickness }, msg::kLayerBadThickness },
        // 1e-38 mm reads as a positive number, but the cell's conductance overflows.
        WallCase { "vanishing thickness", [](KslDoc& d) { d.layers.At(1).SetThickness("1e-38"); },
            { F::BadThickness, 2, W::Thickness }, msg::kLayerBadThickness },
        WallCase { "zero conductivity", [](KslDoc& d) { MaterialOf(d, 0).SetConductivity("0"); },
            { F::BadConductivity, 1, W::Conductivity }, msg::kLayerBadConductivity },
        WallCase { "empty conductivity", [](KslDoc& d) { MaterialOf(d, 1).SetConductivity(""); },
            { F::BadConductivity, 2, W::Conductivity }, msg::kLayerBadConductivity },
        WallCase { "negative conductivity",
            [](KslDoc& d) { MaterialOf(d, 2).SetConductivity("-0.4"); },
            { F::BadConductivity, 3, W::Conductivity }, msg::kLayerBadConductivity },
        WallCase { "negative density", [](KslDoc& d) { MaterialOf(d, 1).SetDensity("-30"); },
            { F::BadDensityOrCapacity, 2, W::Density }, msg::kLayerBadDensityOrCapacity },
        WallCase { "negative capacity", [](KslDoc& d) { MaterialOf(d, 2).SetCapacity("-1"); },
            { F::BadDensityOrCapacity, 3, W::Capacity }, msg::kLayerBadDensityOrCapacity },
        WallCase { "negative exterior resistance",
            [](KslDoc& d) { d.surfaces.resistanceExterior = "-0.04"; },
            { F::BadSurfaceResistance, 0, W::ResistanceExterior }, msg::kBadSurfaceResistance },
        WallCase { "negative interior resistance",
            [](KslDoc& d) { d.surfaces.resistanceInterior = "-0.1"; },
            { F::BadSurfaceResistance, 0, W::ResistanceInterior }, msg::kBadSurfaceResistance },
        // Layers come first, from the exterior face.
        WallCase { "two faults",
            [](KslDoc& d) {
                d.surfaces.resistanceInterior = "-0.1";
                d.layers.At(2).SetThickness("0");
                d.layers.At(1).SetMaterial(nullptr);
            },
            { F::LayerWithoutMaterial, 2, W::Material }, msg::kLayerWithoutMaterial }));

TEST(WallFaultCodes, ReadBackAndOthersAreNone)
{
    for (const F fault : { F::NoLayer, F::BadThickness, F::BadSurfaceResistance })
        EXPECT_EQ(WallFaultFromCode(static_cast<int>(fault)), fault);
    for (const int code : { 0, 9999, 3456, 24000, 24007 })
        EXPECT_FALSE(WallFaultFromCode(code).has_value()) << code;
}

} // namespace
} // namespace quelvan
