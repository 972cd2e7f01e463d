#pragma once

#include "graphics/NShape.h"

#include <string>

namespace quelvan::graphics {

// A world rectangle carrying a text: the base of filled rectangles and of text labels.
class NRectWithTextShape : public NShape {
public:
    explicit NRectWithTextShape(const IRect& rect)
        : NRectWithTextShape(ShapeType::Rectangle, rect)
    {
    }

    // Inside the normalised rectangle, right and bottom edges excluded.
    bool HitTest(IPoint worldPoint) const override;

    const IRect& Rect() const { return rect_; }
    void SetRect(const IRect& rect) { rect_ = rect; }
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    // A framed horizontal label shows only a small frame round its text.
    bool IsFramedLabel() const { return framedLabel_; }
    void SetFramedLabel(bool framed) { framedLabel_ = framed; }
    // Vertical text: one character under the other.
    bool IsVerticalText() const { return verticalText_; }
    void SetVerticalText(bool vertical) { verticalText_ = vertical; }

protected:
    NRectWithTextShape(ShapeType type, const IRect& rect)
        : NShape(type)
        , rect_(rect)
    {
    }

private:
    IRect rect_;
    std::string text_;
    bool framedLabel_ = false;
    bool verticalText_ = false;
};

} // namespace quelvan::graphics
