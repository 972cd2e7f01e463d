#pragma once

#include "model/Colour.h"

#include <string>

namespace quelvan {

// Pen styles of drawn elements.
enum class LineStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, None = 5 };

// A named, coloured element: the base of materials, ambiances and drawn shapes. The pen and
// brush are kept as colours and a style; the drawing layer makes the real pens and brushes.
class GElement {
public:
    GElement() = default;
    virtual ~GElement() = default;
    GElement(const GElement&) = default;
    GElement& operator=(const GElement&) = default;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    Colour GetColour() const { return colour_; }
    // Sets the colour, a solid brush of it and a solid pen of width 0 of it.
    void SetColour(Colour colour);
    // Pen of that style, width 1, in the element's colour.
    void SetPenStyle(LineStyle style);
    // Pen of the current style, width 1, in that colour.
    void SetPenColour(Colour colour);
    void SetBrushColour(Colour colour);

    Colour PenColour() const { return penColour_; }
    Colour BrushColour() const { return brushColour_; }
    bool HasPen() const { return hasPen_; }
    bool HasBrush() const { return hasBrush_; }
    LineStyle PenStyle() const { return penStyle_; }
    int PenWidth() const { return penWidth_; }

    int Identifier() const { return identifier_; }
    void SetIdentifier(int identifier) { identifier_ = identifier; }
    int IdentifierBase() const { return identifierBase_; }
    void SetIdentifierBase(int base) { identifierBase_ = base; }

    friend bool operator==(const GElement&, const GElement&) = default;

private:
    std::string name_ = "Defaut";
    Colour colour_ = 0;
    Colour penColour_ = 0;
    Colour brushColour_ = 0;
    bool hasPen_ = false;
    bool hasBrush_ = false;
    LineStyle penStyle_ = LineStyle::Solid;
    int penWidth_ = 1;
    int identifier_ = -1;
    int identifierBase_ = 0;
};

} // namespace quelvan
