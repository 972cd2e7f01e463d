#pragma once

#include "graphics/NRectWithTextShape.h"

namespace quelvan::graphics {

// A filled, outlined rectangle, optionally labelled: vertical text stacked letter by letter
// (the wall layers), or a horizontal text with a small frame (the information box).
class NShpRectangle : public NRectWithTextShape {
public:
    explicit NShpRectangle(const IRect& rect)
        : NRectWithTextShape(ShapeType::Rectangle, rect)
    {
    }

    void Draw(QPainter& painter, const CDrawTransform& transform) const override;

private:
    void DrawVerticalText(QPainter& painter, const IRect& device) const;
    void DrawHorizontalText(
        QPainter& painter, const CDrawTransform& transform, const IRect& device) const;
};

} // namespace quelvan::graphics
