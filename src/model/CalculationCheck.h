#pragma once

#include "core/ErrorCodes.h"
#include "core/NList.h"
#include "model/SurfaceTexts.h"

#include <string>

namespace quelvan {

class CBCData;
class NMaterialLayer;

// The verdict of the checks made before a calculation: the code of the first fault (a WallFault
// or an AmbianceFault; none when the inputs passed) and its French message, which says what is
// wrong and where.
struct CalculationCheck {
    ErrorCode code;
    std::string message;

    bool Passed() const { return !code.IsError(); }
};

// Whether a calculation can be made with these inputs: the wall (CheckWall), then the exterior
// and the interior ambiance with their faces (CheckAmbiance). The one check that every command
// and the desktop application apply before anything is computed.
CalculationCheck CheckCalculation(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces,
    const CBCData* exterior, const CBCData* interior);

} // namespace quelvan
