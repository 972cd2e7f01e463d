#pragma once

#include "graphics/NShape.h"

namespace quelvan::graphics {

// A straight line between two world points, drawn with the shape's pen.
class NShpLine : public NShape {
public:
    NShpLine(IPoint end1, IPoint end2)
        : NShape(ShapeType::Line)
        , end1_(end1)
        , end2_(end2)
    {
    }

    void Draw(QPainter& painter, const CDrawTransform& transform) const override;

    IPoint End1() const { return end1_; }
    IPoint End2() const { return end2_; }
    void SetEnds(IPoint end1, IPoint end2)
    {
        end1_ = end1;
        end2_ = end2;
    }

private:
    IPoint end1_;
    IPoint end2_;
};

} // namespace quelvan::graphics
