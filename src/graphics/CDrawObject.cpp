#include "graphics/CDrawObject.h"

#include "graphics/DrawPalette.h"
#include "graphics/NShpLine.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/NShpRectangle.h"
#include "graphics/NShpText.h"

#include <QPainter>
#include <algorithm>

namespace quelvan::graphics {

CDrawObject::~CDrawObject() = default;

void CDrawObject::Draw(QPainter& painter) const
{
    for (const auto& shape : shapes_)
        shape->Draw(painter, transform_);
}

NShape* CDrawObject::HitTest(IPoint worldPoint, HitSlot slot) const
{
    for (const auto& shape : shapes_) {
        if (!shape->IsSelectable(slot))
            continue;
        if (shape->Type() != ShapeType::Rectangle && shape->Type() != ShapeType::Text)
            continue;
        if (shape->HitTest(worldPoint))
            return shape.get();
    }
    return nullptr;
}

void CDrawObject::Build()
{
}

void CDrawObject::SetDeviceMapping(int originX, int originY, int width, int height)
{
    transform_.SetDeviceOrigin(originX, originY);
    transform_.SetDeviceExtent(width, height);
    transform_.Recompute();
}

NShpLine& CDrawObject::AddLine(IPoint end1, IPoint end2, int penPaletteIndex)
{
    auto line = std::make_unique<NShpLine>(end1, end2);
    line->SetPenColour(PaletteColour(penPaletteIndex));
    line->SetBrushColour(PaletteColour(kNoFill));
    return AddShape(std::move(line));
}

NShpPolyLine& CDrawObject::AddPolyLine()
{
    return AddShape(std::make_unique<NShpPolyLine>());
}

NShpRectangle& CDrawObject::AddRectangle(
    const IRect& rect, Colour pen, Colour fill, ShapeOwner owner)
{
    auto shape = std::make_unique<NShpRectangle>(rect);
    shape->SetPenColour(pen);
    shape->SetBrushColour(fill);
    shape->SetOwner(owner);
    return AddShape(std::move(shape));
}

NShpRectangle& CDrawObject::AddInfoBox(const IRect& rect)
{
    NShpRectangle& box = AddRectangle(rect, MakeColour(0, 0, 0), MakeColour(255, 255, 128), {});
    box.SetSelectable(HitSlot::Ordinary, false);
    box.SetSelectable(HitSlot::Alternative, false);
    box.SetFramedLabel(true);
    return box;
}

NShpText& CDrawObject::AddText(const IRect& rect, int penPaletteIndex, int fillPaletteIndex,
    ShapeOwner owner, int tag, bool alternativeHit)
{
    auto text = std::make_unique<NShpText>(rect);
    text->SetPenColour(PaletteColour(penPaletteIndex));
    text->SetBrushColour(PaletteColour(fillPaletteIndex));
    text->SetOwner(owner);
    if (const GElement* const* element = std::get_if<const GElement*>(&owner); element && *element)
        text->SetText((*element)->Name());
    text->SetTag(tag);
    text->SetSelectable(HitSlot::Alternative, alternativeHit);
    text->SetVerticalText(false);
    text->SetAlignment(TextAlign::Centre, TextAlign::Centre);
    return AddShape(std::move(text));
}

void CDrawObject::RemoveAllShapes()
{
    shapes_.clear();
}

std::unique_ptr<NShape> CDrawObject::RemoveShape(const NShape* shape)
{
    const auto it = std::find_if(shapes_.begin(), shapes_.end(),
        [shape](const std::unique_ptr<NShape>& s) { return s.get() == shape; });
    if (it == shapes_.end())
        return nullptr;
    std::unique_ptr<NShape> removed = std::move(*it);
    shapes_.erase(it);
    return removed;
}

} // namespace quelvan::graphics
