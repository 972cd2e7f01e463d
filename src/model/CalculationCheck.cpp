#include "model/CalculationCheck.h"

#include "model/AmbianceCheck.h"
#include "model/WallCheck.h"

namespace quelvan {

CalculationCheck CheckCalculation(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces,
    const CBCData* exterior, const CBCData* interior)
{
    const WallCheck wall = CheckWall(layers, surfaces);
    if (!wall.Passed())
        return { wall.fault, wall.Message() };
    CalculationCheck check = CheckAmbiance(exterior, Side::Exterior, surfaces);
    if (check.Passed())
        check = CheckAmbiance(interior, Side::Interior, surfaces);
    return check;
}

} // namespace quelvan
