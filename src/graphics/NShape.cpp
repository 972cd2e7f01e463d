#include "graphics/NShape.h"

#include "graphics/PainterOps.h"

namespace quelvan::graphics {

void NShape::Draw(QPainter&, const CDrawTransform&) const
{
}

bool NShape::HitTest(IPoint) const
{
    return true;
}

bool NShape::HasOwner() const
{
    return std::visit(
        [](const auto& o) {
            if constexpr (std::is_same_v<std::decay_t<decltype(o)>, std::monostate>)
                return false;
            else
                return o != nullptr;
        },
        owner_);
}

QPen NShape::ShapePen() const
{
    return MakePen(PenColour(), PenStyle(), PenWidth());
}

QBrush NShape::ShapeBrush() const
{
    return MakeBrush(BrushColour());
}

} // namespace quelvan::graphics
