#include "graphics/NShpText.h"

#include "graphics/FontLadder.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"

#include <QPainter>

namespace quelvan::graphics {

namespace {

int AlignmentOffset(TextAlign alignment, int room, int size)
{
    switch (alignment) {
    case TextAlign::End:
        return room + 1 - size;
    case TextAlign::Centre:
        return (room + 1 - size) / 2;
    default:
        return 0;
    }
}

} // namespace

void NShpText::Draw(QPainter& painter, const CDrawTransform& transform) const
{
    if (!WritesText())
        return;
    const IRect device = transform.WorldToDevice(Rect().Normalised()).Normalised();
    // Text goes in the surface's ordinary colour (black), white for a highlighted shape.
    const QColor colour = IsWhite() ? QColor(Qt::white) : QColor(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFont previous = painter.font();
    if (IsVerticalText())
        DrawVertical(painter, device, colour);
    else
        DrawHorizontal(painter, device, colour);
    painter.setFont(previous);
}

void NShpText::DrawHorizontal(QPainter& painter, const IRect& device, const QColor& colour) const
{
    const QString text = ToQ(*Text());
    FitFont(painter, FontLadder::SansSerif(), device.Width(), device.Height(), text);
    const QSize extent = TextExtent(painter, text);
    const int x = AlignmentOffset(horizontalAlignment_, device.Width(), extent.width());
    const int y = AlignmentOffset(verticalAlignment_, device.Height(), extent.height());
    TextOutTopLeft(painter, device.left + x - 1, device.top + y, text, colour);
}

void NShpText::DrawVertical(QPainter& painter, const IRect& device, const QColor& colour) const
{
    const QString text = ToQ(*Text());
    const int count = static_cast<int>(text.size());
    const int height = device.Height();
    FitFont(painter, FontLadder::SansSerif(), device.Width(), height / count, text.left(1));
    const int pitch = TextExtent(painter, text).height() + 1;
    int y = device.top;
    if (verticalAlignment_ == TextAlign::Centre)
        y = device.top + (height - pitch * count) / 2;
    else if (verticalAlignment_ == TextAlign::Start)
        y = device.bottom - pitch * count;
    for (const QChar c : text) {
        const QString letter(c);
        const int w = TextExtent(painter, letter).width();
        TextOutTopLeft(painter, device.left + (device.Width() - w) / 2, y, letter, colour);
        y += pitch;
    }
}

} // namespace quelvan::graphics
