#pragma once

#include "graphics/NRectWithTextShape.h"

namespace quelvan::graphics {

// Where a label's text sits in its rectangle, along one direction.
enum class TextAlign : int {
    Start = 0, // left / top
    End = 2, // right / bottom
    Centre = 6,
};

// A text label placed in a world rectangle, in the largest font of the sans-serif ladder that
// fits it, aligned as asked. A label without a text draws nothing.
class NShpText : public NRectWithTextShape {
public:
    explicit NShpText(const IRect& rect)
        : NRectWithTextShape(ShapeType::Text, rect)
    {
    }

    void Draw(QPainter& painter, const CDrawTransform& transform) const override;

    TextAlign HorizontalAlignment() const { return horizontalAlignment_; }
    TextAlign VerticalAlignment() const { return verticalAlignment_; }
    void SetHorizontalAlignment(TextAlign alignment) { horizontalAlignment_ = alignment; }
    void SetVerticalAlignment(TextAlign alignment) { verticalAlignment_ = alignment; }
    void SetAlignment(TextAlign horizontal, TextAlign vertical)
    {
        horizontalAlignment_ = horizontal;
        verticalAlignment_ = vertical;
    }

private:
    void DrawHorizontal(QPainter& painter, const IRect& device, const QColor& colour) const;
    void DrawVertical(QPainter& painter, const IRect& device, const QColor& colour) const;

    TextAlign horizontalAlignment_ = TextAlign::Start;
    TextAlign verticalAlignment_ = TextAlign::Start;
};

} // namespace quelvan::graphics
