#pragma once

#include "core/NList.h"
#include "engine/DynamicCharacteristics.h"

#include <string_view>

namespace quelvan {

class NMaterialLayer;

// The project's wall as a plain description: the layers in wall order (thickness typed in
// millimetres, converted to metres; λ, ρ and c of the material), and the two surface
// resistances as typed, all read the way the engine reads them (FloatValue). The wall is meant
// to have passed the engine's wall check; a layer without material becomes a layer of zero
// conductivity, which the computation refuses.
DynamicWall DynamicWallFromProject(const NList<NMaterialLayer>& layers,
    std::string_view resistanceExterior, std::string_view resistanceInterior);

} // namespace quelvan
