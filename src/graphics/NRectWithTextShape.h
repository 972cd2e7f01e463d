#pragma once

#include "graphics/NShape.h"

#include <optional>
#include <string>

namespace quelvan::graphics {

// The text a shape writes, or none: a rectangle without a name, a chart label that its user has
// not set.
using Label = std::optional<std::string>;

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
    const Label& Text() const { return text_; }
    void SetText(Label text) { text_ = std::move(text); }
    // There is something to write: a text, and not an empty one.
    bool WritesText() const { return text_.has_value() && !text_->empty(); }
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
    Label text_;
    bool framedLabel_ = false;
    bool verticalText_ = false;
};

} // namespace quelvan::graphics
