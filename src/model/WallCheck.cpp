#include "model/WallCheck.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

#include <array>
#include <cmath>

namespace quelvan {

namespace {

struct FaultInfo {
    WallFault fault;
    const char* message;
};

constexpr std::array<FaultInfo, 6> kFaults { {
    { WallFault::NoLayer, msg::kWallHasNoLayer },
    { WallFault::LayerWithoutMaterial, msg::kLayerWithoutMaterial },
    { WallFault::BadThickness, msg::kLayerBadThickness },
    { WallFault::BadConductivity, msg::kLayerBadConductivity },
    { WallFault::BadDensityOrCapacity, msg::kLayerBadDensityOrCapacity },
    { WallFault::BadSurfaceResistance, msg::kBadSurfaceResistance },
} };

bool ReadsPositive(const std::string& text)
{
    float v = 0.0f;
    return ParseFloat(text, v) && v > 0.0f && std::isfinite(v);
}

bool NotNegative(const std::string& text)
{
    const float v = FloatValue(text);
    return std::isfinite(v) && v >= 0.0f;
}

WallCheck LayerFault(const NMaterialLayer& layer, int number)
{
    const CMaterial* m = layer.Material();
    if (m == nullptr)
        return { WallFault::LayerWithoutMaterial, number, WallField::Material };
    if (!ReadsPositive(layer.Thickness()))
        return { WallFault::BadThickness, number, WallField::Thickness };
    if (!ReadsPositive(m->Conductivity()))
        return { WallFault::BadConductivity, number, WallField::Conductivity };
    if (!NotNegative(m->Density()))
        return { WallFault::BadDensityOrCapacity, number, WallField::Density };
    if (!NotNegative(m->Capacity()))
        return { WallFault::BadDensityOrCapacity, number, WallField::Capacity };
    // A cell so thin that its conductance overflows cannot be computed either.
    const float dx = FloatValue(layer.Thickness()) * kCellWidthPerMillimetre;
    if (!(dx > 0.0f) || !std::isfinite(FloatValue(m->Conductivity()) / dx))
        return { WallFault::BadThickness, number, WallField::Thickness };
    return {};
}

} // namespace

WallCheck CheckWall(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces)
{
    if (layers.IsEmpty())
        return { WallFault::NoLayer, 0, WallField::None };
    int number = 0;
    for (const NMaterialLayer& layer : layers) {
        const WallCheck check = LayerFault(layer, ++number);
        if (!check.Passed())
            return check;
    }
    if (!NotNegative(surfaces.resistanceExterior))
        return { WallFault::BadSurfaceResistance, 0, WallField::ResistanceExterior };
    if (!NotNegative(surfaces.resistanceInterior))
        return { WallFault::BadSurfaceResistance, 0, WallField::ResistanceInterior };
    return {};
}

std::string WallCheck::Message() const
{
    return WallFaultMessage(fault);
}

const char* WallFaultMessage(WallFault fault)
{
    for (const FaultInfo& info : kFaults)
        if (info.fault == fault)
            return info.message;
    return "";
}

std::optional<WallFault> WallFaultFromCode(int code)
{
    for (const FaultInfo& info : kFaults)
        if (static_cast<int>(info.fault) == code)
            return info.fault;
    return std::nullopt;
}

} // namespace quelvan
