#pragma once

#include "core/NList.h"
#include "engine/DynamicCharacteristics.h"
#include "model/SurfaceTexts.h"
#include "model/WallCheck.h"

#include <optional>

namespace quelvan {

class NMaterialLayer;

// The project's wall as a plain description, once it has passed the wall check that the
// calculation applies: the layers in wall order (thickness typed in millimetres, converted to
// metres; λ, ρ and c of the material) and the two surface resistances, all read the way the
// engine reads them (FloatValue). A wall the check refuses gives nothing; the check's verdict,
// with its message, goes to verdict when given.
std::optional<DynamicWall> DynamicWallFromProject(const NList<NMaterialLayer>& layers,
    const SurfaceTexts& surfaces, WallCheck* verdict = nullptr);

} // namespace quelvan
