#include "graphics/NShpLine.h"

#include "graphics/PainterOps.h"

#include <QPainter>

namespace quelvan::graphics {

void NShpLine::Draw(QPainter& painter, const CDrawTransform& transform) const
{
    painter.setPen(ShapePen());
    const IPoint a = transform.WorldToDevice(end1_);
    const IPoint b = transform.WorldToDevice(end2_);
    painter.drawLine(a.x, a.y, b.x, b.y);
    SelectStockObjects(painter);
}

} // namespace quelvan::graphics
