#pragma once

#include "graphics/NRectWithTextShape.h"

namespace quelvan::graphics {

// A text label placed in a world rectangle, in the largest font of the sans-serif ladder that
// fits it, aligned as asked. "TODO" marks a label not set yet and is never drawn.
class NShpText : public NRectWithTextShape {
public:
    static constexpr int kAlignStart = 0; // left / top
    static constexpr int kAlignEnd = 2; // right / bottom
    static constexpr int kAlignCentre = 6; // centred
    static constexpr const char* kPlaceholder = "TODO";

    explicit NShpText(const IRect& rect)
        : NRectWithTextShape(kTypeText, rect)
    {
    }

    void Draw(QPainter& painter, const CDrawTransform& transform) const override;

    int HorizontalAlignment() const { return horizontalAlignment_; }
    int VerticalAlignment() const { return verticalAlignment_; }
    void SetHorizontalAlignment(int alignment) { horizontalAlignment_ = alignment; }
    void SetVerticalAlignment(int alignment) { verticalAlignment_ = alignment; }
    void SetAlignment(int horizontal, int vertical)
    {
        horizontalAlignment_ = horizontal;
        verticalAlignment_ = vertical;
    }

    // True when Draw would write something.
    bool IsDrawable() const { return !Text().empty() && Text() != kPlaceholder; }

private:
    void DrawHorizontal(QPainter& painter, const IRect& device, const QColor& colour) const;
    void DrawVertical(QPainter& painter, const IRect& device, const QColor& colour) const;

    int horizontalAlignment_ = kAlignStart;
    int verticalAlignment_ = kAlignStart;
};

} // namespace quelvan::graphics
