#include "graphics/NRectWithTextShape.h"

namespace quelvan::graphics {

bool NRectWithTextShape::HitTest(IPoint worldPoint) const
{
    return rect_.Contains(worldPoint);
}

} // namespace quelvan::graphics
