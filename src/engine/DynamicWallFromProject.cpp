#include "engine/DynamicWallFromProject.h"

#include "core/NumberText.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"

namespace quelvan {

DynamicWall DynamicWallFromProject(const NList<NMaterialLayer>& layers,
    std::string_view resistanceExterior, std::string_view resistanceInterior)
{
    DynamicWall wall;
    wall.resistanceExterior = FloatValue(resistanceExterior);
    wall.resistanceInterior = FloatValue(resistanceInterior);
    for (const NMaterialLayer& layer : layers) {
        DynamicLayer& l = wall.layers.emplace_back();
        l.thickness = FloatValue(layer.Thickness()) / 1000.0;
        if (const CMaterial* m = layer.Material()) {
            l.conductivity = FloatValue(m->Conductivity());
            l.density = FloatValue(m->Density());
            l.heatCapacity = FloatValue(m->Capacity());
        }
    }
    return wall;
}

} // namespace quelvan
