#include "model/GElement.h"

namespace quelvan {

void GElement::SetColour(Colour colour)
{
    colour_ = colour;
    brushColour_ = colour;
    hasBrush_ = true;
    // The outline drawn with the fill: solid, hairline, same colour.
    penColour_ = colour;
    penStyle_ = LineStyle::Solid;
    penWidth_ = 0;
    hasPen_ = true;
}

void GElement::SetPenStyle(LineStyle style)
{
    penStyle_ = style;
    penWidth_ = 1;
    penColour_ = colour_;
    hasPen_ = true;
}

void GElement::SetPenColour(Colour colour)
{
    penWidth_ = 1;
    penColour_ = colour;
    hasPen_ = true;
}

void GElement::SetBrushColour(Colour colour)
{
    brushColour_ = colour;
    hasBrush_ = true;
}

} // namespace quelvan
