#include "model/WallCheck.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/PhysicalBounds.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

#include <string_view>

namespace quelvan {

namespace {

// "<where> : <what> : calcul impossible".
WallCheck Refusal(
    WallFault fault, int layer, WallField field, const std::string& where, const std::string& what)
{
    return { fault, layer, field, where + " : " + what + " : " + msg::kCalculationImpossible };
}

// One number of a layer and the rule it must follow.
struct LayerNumber {
    WallFault fault;
    WallField field;
    std::string_view label;
    const Bounds& bounds;
    const std::string& (*text)(const NMaterialLayer&);
};

const std::string& ThicknessOf(const NMaterialLayer& l)
{
    return l.Thickness();
}
const std::string& ConductivityOf(const NMaterialLayer& l)
{
    return l.Material()->Conductivity();
}
const std::string& DensityOf(const NMaterialLayer& l)
{
    return l.Material()->Density();
}
const std::string& CapacityOf(const NMaterialLayer& l)
{
    return l.Material()->Capacity();
}

const LayerNumber kLayerNumbers[] {
    { WallFault::BadThickness, WallField::Thickness, "épaisseur", bounds::kThickness, ThicknessOf },
    { WallFault::BadConductivity, WallField::Conductivity, "conductivité", bounds::kConductivity,
        ConductivityOf },
    { WallFault::BadDensityOrCapacity, WallField::Density, "masse volumique", bounds::kDensity,
        DensityOf },
    { WallFault::BadDensityOrCapacity, WallField::Capacity, "capacité", bounds::kCapacity,
        CapacityOf },
};

WallCheck LayerFault(const NMaterialLayer& layer, int number)
{
    const CMaterial* m = layer.Material();
    const std::string where = "Couche " + std::to_string(number)
        + (m != nullptr ? " (" + m->Name() + ")" : std::string());
    if (m == nullptr)
        return Refusal(
            WallFault::LayerWithoutMaterial, number, WallField::Material, where, "pas de matériau");
    for (const LayerNumber& n : kLayerNumbers) {
        const std::string& text = n.text(layer);
        const ValueFault fault = CheckNumber(text, n.bounds);
        if (fault != ValueFault::None)
            return Refusal(n.fault, number, n.field, where,
                std::string(n.label) + " " + DescribeValueFault(text, fault, n.bounds));
    }
    // Both in their bounds, a very conductive film may still be too thin: its cells would
    // conduct beyond what single precision can set against the other layers.
    const float dx = FloatValue(layer.Thickness()) * kCellWidthPerMillimetre;
    if (!bounds::kCellConductance.Contains(FloatValue(m->Conductivity()) / dx))
        return Refusal(WallFault::BadCellConductance, number, WallField::Conductivity, where,
            "conductivité « " + m->Conductivity() + " » trop grande pour l'épaisseur « "
                + layer.Thickness() + " » (conductance de maille " + bounds::kCellConductance.Text()
                + ")");
    return {};
}

// The numbers of the faces: resistances within their bounds, absorption coefficients readable.
struct SurfaceNumber {
    WallFault fault;
    WallField field;
    std::string_view where;
    std::string_view label;
    std::string SurfaceTexts::*text;
    const Bounds& bounds;
};

constexpr SurfaceNumber kSurfaceNumbers[] {
    { WallFault::BadSurfaceResistance, WallField::ResistanceExterior, "Face extérieure",
        "résistance superficielle", &SurfaceTexts::resistanceExterior, bounds::kSurfaceResistance },
    { WallFault::BadSurfaceResistance, WallField::ResistanceInterior, "Face intérieure",
        "résistance superficielle", &SurfaceTexts::resistanceInterior, bounds::kSurfaceResistance },
    // An absorption coefficient need only read here: it matters, and is bounded, only where a
    // flux falls on its face.
    { WallFault::BadAbsorption, WallField::AbsorptionExterior, "Face extérieure",
        "coefficient d'absorption", &SurfaceTexts::absorptionExterior, bounds::kAnyNumber },
    { WallFault::BadAbsorption, WallField::AbsorptionInterior, "Face intérieure",
        "coefficient d'absorption", &SurfaceTexts::absorptionInterior, bounds::kAnyNumber },
};

} // namespace

WallCheck CheckWall(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces)
{
    if (layers.IsEmpty())
        return { WallFault::NoLayer, 0, WallField::None, msg::kWallHasNoLayer };
    if (layers.Count() > kMaxLayerCount)
        return Refusal(WallFault::TooManyLayers, 0, WallField::None,
            "La paroi comporte " + std::to_string(layers.Count()) + " couches",
            std::to_string(kMaxLayerCount) + " au plus");
    int number = 0;
    for (const NMaterialLayer& layer : layers) {
        WallCheck check = LayerFault(layer, ++number);
        if (!check.Passed())
            return check;
    }
    for (const SurfaceNumber& s : kSurfaceNumbers) {
        const std::string& text = surfaces.*(s.text);
        const ValueFault fault = CheckNumber(text, s.bounds);
        if (fault != ValueFault::None)
            return Refusal(s.fault, 0, s.field, std::string(s.where),
                std::string(s.label) + " " + DescribeValueFault(text, fault, s.bounds));
    }
    return {};
}

} // namespace quelvan
