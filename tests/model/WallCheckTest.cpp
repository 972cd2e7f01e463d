// The one wall check of the calculation: the first fault with its layer and field, and the
// physical bounds of every number taken at their edges. The messages are those of the hostile
// corpus (tests/data/hostile).
#include "model/WallCheck.h"

#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

// The new project's wall: 200 mm "Béton lourd", 50 mm "Laine de verre", 10 mm "Plâtre".
CMaterial& MaterialOf(KslDoc& d, int layer)
{
    return d.materials.At(d.materials.IndexOf(d.layers.At(layer).Material()));
}

using F = WallFault;
using W = WallField;
struct WallCase {
    const char* name;
    void (*spoil)(KslDoc&);
    F fault = F::None;
    int layer = 0;
    W field = W::None;
    friend void PrintTo(const WallCase& c, std::ostream* os) { *os << c.name; }
};
class WallChecks : public ::testing::TestWithParam<WallCase> { };

TEST_P(WallChecks, FirstFaultWithItsLayerAndField)
{
    KslDoc doc;
    GetParam().spoil(doc);
    const WallCheck check = CheckWall(doc.layers, doc.surfaces);
    EXPECT_EQ(check.fault, GetParam().fault);
    EXPECT_EQ(check.layer, GetParam().layer);
    EXPECT_EQ(check.field, GetParam().field);
    EXPECT_EQ(check.Message().empty(), check.Passed()) << check.Message();
}

INSTANTIATE_TEST_SUITE_P(Walls, WallChecks,
    ::testing::Values(WallCase { "sound", [](KslDoc&) {} },
        WallCase { "copper foil of 0.1 mm",
            [](KslDoc& d) {
                MaterialOf(d, 1).SetConductivity("400");
                d.layers.At(1).SetThickness("0.1");
            } },
        WallCase { "bounds reached",
            [](KslDoc& d) {
                d.layers.At(0).SetThickness("10000");
                d.layers.At(2).SetThickness("0.001");
                MaterialOf(d, 1).SetConductivity("0.001");
                MaterialOf(d, 1).SetDensity("0"); // a layer without mass: a pure resistance
                MaterialOf(d, 0).SetDensity("25000");
                MaterialOf(d, 0).SetCapacity("100000");
                d.surfaces.resistanceExterior = "0";
                d.surfaces.resistanceInterior = "10";
                d.surfaces.absorptionExterior = "5"; // bounded only where a flux falls
            } },
        WallCase { "seven layers",
            [](KslDoc& d) {
                for (int i = 0; i < 4; ++i)
                    d.AddLayer(&d.materials.At(i), "10");
            } },
        WallCase { "cells conducting just under 1e9 W/(m2.K)",
            [](KslDoc& d) {
                MaterialOf(d, 1).SetConductivity("1000");
                d.layers.At(1).SetThickness("0.0051");
            } },
        WallCase { "no layer", [](KslDoc& d) { d.layers.Clear(); }, F::NoLayer },
        WallCase { "eight layers",
            [](KslDoc& d) {
                for (int i = 0; i < 5; ++i)
                    d.AddLayer(&d.materials.At(i), "10");
            },
            F::TooManyLayers },
        WallCase { "no material", [](KslDoc& d) { d.layers.At(1).SetMaterial(nullptr); },
            F::LayerWithoutMaterial, 2, W::Material },
        WallCase { "thickness below a micrometre",
            [](KslDoc& d) { d.layers.At(2).SetThickness("0.0009"); }, F::BadThickness, 3,
            W::Thickness },
        WallCase { "thickness above ten metres",
            [](KslDoc& d) { d.layers.At(0).SetThickness("10001"); }, F::BadThickness, 1,
            W::Thickness },
        WallCase { "empty conductivity", [](KslDoc& d) { MaterialOf(d, 1).SetConductivity(""); },
            F::BadConductivity, 2, W::Conductivity },
        WallCase { "conductivity above 1000",
            [](KslDoc& d) { MaterialOf(d, 2).SetConductivity("1000.5"); }, F::BadConductivity, 3,
            W::Conductivity },
        // Both in their bounds: the layer is too thin for its conductivity, not too thin.
        WallCase { "cells conducting just over 1e9 W/(m2.K)",
            [](KslDoc& d) {
                MaterialOf(d, 1).SetConductivity("1000");
                d.layers.At(1).SetThickness("0.0049");
            },
            F::BadCellConductance, 2, W::Conductivity },
        WallCase { "negative density", [](KslDoc& d) { MaterialOf(d, 1).SetDensity("-30"); },
            F::BadDensityOrCapacity, 2, W::Density },
        WallCase { "capacity above 100000",
            [](KslDoc& d) { MaterialOf(d, 2).SetCapacity("100001"); }, F::BadDensityOrCapacity, 3,
            W::Capacity },
        WallCase { "negative exterior resistance",
            [](KslDoc& d) { d.surfaces.resistanceExterior = "-0.04"; }, F::BadSurfaceResistance, 0,
            W::ResistanceExterior },
        WallCase { "interior resistance above 10",
            [](KslDoc& d) { d.surfaces.resistanceInterior = "10.5"; }, F::BadSurfaceResistance, 0,
            W::ResistanceInterior },
        WallCase { "unreadable absorption", [](KslDoc& d) { d.surfaces.absorptionInterior = "x"; },
            F::BadAbsorption, 0, W::AbsorptionInterior },
        // Layers come first, from the exterior face.
        WallCase { "two faults",
            [](KslDoc& d) {
                d.surfaces.resistanceInterior = "-0.1";
                d.layers.At(2).SetThickness("0");
                d.layers.At(1).SetMaterial(nullptr);
            },
            F::LayerWithoutMaterial, 2, W::Material }));

} // namespace
} // namespace quelvan
