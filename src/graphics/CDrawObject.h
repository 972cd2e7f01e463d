#pragma once

#include "graphics/CDrawTransform.h"
#include "graphics/Geometry.h"
#include "graphics/NShape.h"
#include "model/Colour.h"

#include <memory>
#include <vector>

class QPainter;

namespace quelvan::graphics {

class NShpLine;
class NShpPolyLine;
class NShpRectangle;
class NShpText;

// A retained vector scene: shapes in the drawable's own world units, drawn in creation order
// through the primary transform, which the caller points at the target surface (a window, a
// printed page, an image). The same Draw serves screen, printing and image export.
class CDrawObject {
public:
    CDrawObject() = default;
    virtual ~CDrawObject();
    CDrawObject(const CDrawObject&) = delete;
    CDrawObject& operator=(const CDrawObject&) = delete;

    // Draws every shape, oldest first, so later shapes paint over earlier ones.
    virtual void Draw(QPainter& painter) const;
    // The oldest shape selectable in that slot, a rectangle or a text, that contains
    // the world point; null when none does. Lines, polylines and disks are never hit.
    virtual NShape* HitTest(IPoint worldPoint, HitSlot slot) const;
    // Re-creates the drawable's shapes from its source data; the base has none.
    virtual void Build();
    // Points the drawable at a surface area: device origin and extent (a negative height makes
    // world y grow upward), then recompute.
    virtual void SetDeviceMapping(int originX, int originY, int width, int height);

    // --- the factory: each shape is owned by the drawable --------------------------------
    // A solid line of width 1 in a palette colour.
    NShpLine& AddLine(IPoint end1, IPoint end2, int penPaletteIndex);
    // An empty curve; it draws with the surface's current pen until given one.
    NShpPolyLine& AddPolyLine();
    // A filled rectangle with a pen of the shape's style, width 1.
    NShpRectangle& AddRectangle(const IRect& rect, Colour pen, Colour fill, ShapeOwner owner);
    // The information bubble: black frame on pale yellow, never selectable, framed label.
    NShpRectangle& AddInfoBox(const IRect& rect);
    // A centred label; its text is the owner's name when the owner is a named element.
    // alternativeHit: whether the alternative hit test finds it.
    NShpText& AddText(const IRect& rect, int penPaletteIndex, int fillPaletteIndex,
        ShapeOwner owner, int tag, bool alternativeHit);

    void RemoveAllShapes();
    // Unlinks the shape and hands it back to the caller; null when it is not in the list.
    std::unique_ptr<NShape> RemoveShape(const NShape* shape);

    int ShapeCount() const { return static_cast<int>(shapes_.size()); }
    // Shapes in creation order (index 0 is the oldest).
    NShape& ShapeAt(int index) const { return *shapes_[static_cast<size_t>(index)]; }

    CDrawTransform& Transform() { return transform_; }
    const CDrawTransform& Transform() const { return transform_; }

    IPoint PointA() const { return pointA_; }
    IPoint PointB() const { return pointB_; }
    void SetPointA(IPoint p) { pointA_ = p; }
    void SetPointB(IPoint p) { pointB_ = p; }

    // Takes any other shape (a disk, say) into the list as the newest one.
    template <typename T> T& AddShape(std::unique_ptr<T> shape)
    {
        T& ref = *shape;
        shapes_.push_back(std::move(shape));
        return ref;
    }

private:
    std::vector<std::unique_ptr<NShape>> shapes_;
    CDrawTransform transform_;
    IPoint pointA_;
    IPoint pointB_;
};

} // namespace quelvan::graphics
