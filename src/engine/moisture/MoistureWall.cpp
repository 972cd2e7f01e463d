// The project's wall for the moisture check: the thermal wall of the calculation, and each
// layer's s_d from its material. A material without μ or s_d is refused, never guessed.
#include "engine/moisture/MoistureWall.h"

#include "core/MoistureMessages.h"
#include "engine/SiWall.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"

namespace quelvan::moisture {

std::optional<MoistureWall> MoistureWallFromProject(const KslDoc& doc, std::string* error)
{
    WallCheck verdict;
    const std::optional<SiWall> si = SiWallFromProject(doc.layers, doc.surfaces, &verdict);
    if (!si) {
        if (error != nullptr)
            *error = verdict.Message();
        return std::nullopt;
    }
    MoistureWall wall;
    wall.rse = si->resistanceExterior;
    wall.rsi = si->resistanceInterior;
    for (int k = 0; k < doc.layers.Count(); ++k) {
        const CMaterial& material = *doc.layers.At(k).Material();
        const SiLayer& layer = si->layers[static_cast<std::size_t>(k)];
        const std::optional<VapourResistance> vapour = VapourOf(doc, material);
        if (!vapour) {
            if (error != nullptr)
                *error = "Couche " + std::to_string(k + 1) + " : le matériau « " + material.Name()
                    + " » " + msg::kMaterialWithoutVapour + " : " + msg::kMoistureCheckImpossible;
            return std::nullopt;
        }
        wall.layers.push_back({ material.Name(), layer.thickness,
            layer.thickness / layer.conductivity, vapour->Sd(layer.thickness) });
    }
    return wall;
}

} // namespace quelvan::moisture
