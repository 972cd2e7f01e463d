#include "graphics/NShpDisk.h"

#include "graphics/PainterOps.h"

#include <QPainter>

namespace quelvan::graphics {

void NShpDisk::Draw(QPainter& painter, const CDrawTransform& transform) const
{
    painter.setBrush(IsWhite() ? QBrush(Qt::white) : ShapeBrush());
    painter.setPen(ShapePen());
    const IRect box = IRect { centre_.x - radius_, centre_.y - radius_, centre_.x + radius_,
        centre_.y + radius_ }
                          .Normalised();
    DrawBoxEllipse(painter, transform.WorldToDevice(box));
    SelectStockObjects(painter);
}

} // namespace quelvan::graphics
