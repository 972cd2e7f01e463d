#include "engine/SiWall.h"

#include "core/NumberText.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "model/WallCheck.h"

namespace quelvan {

std::optional<SiWall> SiWallFromProject(
    const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces, WallCheck* verdict)
{
    const WallCheck check = CheckWall(layers, surfaces);
    if (verdict != nullptr)
        *verdict = check;
    if (!check.Passed())
        return std::nullopt;
    SiWall wall;
    wall.resistanceExterior = FloatValue(surfaces.resistanceExterior);
    wall.resistanceInterior = FloatValue(surfaces.resistanceInterior);
    for (const NMaterialLayer& layer : layers) {
        const CMaterial& m = *layer.Material();
        wall.layers.push_back({ FloatValue(layer.Thickness()) / 1000.0,
            FloatValue(m.Conductivity()), FloatValue(m.Density()), FloatValue(m.Capacity()) });
    }
    return wall;
}

} // namespace quelvan
