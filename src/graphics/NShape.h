#pragma once

#include "graphics/CDrawTransform.h"
#include "graphics/Geometry.h"
#include "model/GElement.h"

#include <QBrush>
#include <QPen>
#include <array>
#include <variant>

class QPainter;

namespace quelvan {
class NMaterialLayer;
}

namespace quelvan::graphics {

// The data object a shape stands for (never owned): a layer of the wall drawing, a named
// element whose name a label shows, or nothing.
using ShapeOwner = std::variant<std::monostate, const GElement*, const NMaterialLayer*>;

// The kinds of shapes, numbered as the drawing code numbers them.
enum class ShapeType : int { Line = 2, PolyLine = 3, Rectangle = 4, Disk = 5, Text = 6, Plain = 8 };

// A shape answers two hit tests: the ordinary one and an alternative one.
enum class HitSlot : int { Ordinary = 0, Alternative = 1 };

// A shape of a drawable, in the drawable's world units. Colours, pen style and name come from
// GElement; the real pens and brushes are made when the shape draws.
class NShape : public GElement {
public:
    NShape()
        : NShape(ShapeType::Plain)
    {
    }
    ~NShape() override = default;
    NShape(const NShape&) = delete;
    NShape& operator=(const NShape&) = delete;

    // Draws in device units through the drawable's transform; the plain shape draws nothing.
    virtual void Draw(QPainter& painter, const CDrawTransform& transform) const;
    // Whether a world point hits the shape; the plain shape is hit everywhere.
    virtual bool HitTest(IPoint worldPoint) const;

    ShapeType Type() const { return type_; }
    bool IsWhite() const { return white_; }
    void SetWhite(bool white) { white_ = white; }
    bool IsVisible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    bool IsSelectable(HitSlot slot) const { return selectable_[static_cast<size_t>(slot)]; }
    void SetSelectable(HitSlot slot, bool selectable)
    {
        selectable_[static_cast<size_t>(slot)] = selectable;
    }

    const ShapeOwner& Owner() const { return owner_; }
    void SetOwner(ShapeOwner owner) { owner_ = owner; }
    bool HasOwner() const;
    // The owner when it is of that kind, null otherwise.
    template <typename T> const T* OwnerAs() const
    {
        const auto* p = std::get_if<const T*>(&owner_);
        return p ? *p : nullptr;
    }

protected:
    explicit NShape(ShapeType type)
        : type_(type)
    {
    }
    // The shape's pen and brush as set through GElement (no pen: the surface's current one).
    QPen ShapePen() const;
    QBrush ShapeBrush() const;

private:
    bool white_ = false;
    ShapeType type_;
    bool visible_ = true;
    ShapeOwner owner_;
    int tag_ = -1;
    std::array<bool, 2> selectable_ { true, true };
};

} // namespace quelvan::graphics
