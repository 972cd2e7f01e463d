#include "graphics/NShpRectangle.h"

#include "graphics/FontLadder.h"
#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"

#include <QPainter>
#include <cstdlib>

namespace quelvan::graphics {

namespace {
// Text of rectangles is written in the surface's ordinary text colour.
const QColor kTextColour(Qt::black);
} // namespace

void NShpRectangle::Draw(QPainter& painter, const CDrawTransform& transform) const
{
    painter.setBrush(IsWhite() ? QBrush(Qt::white) : ShapeBrush());
    painter.setPen(ShapePen());
    const IRect device = transform.WorldToDevice(Rect().Normalised()).Normalised();
    // A framed horizontal label shows only its frame, drawn with the text below.
    if (!WritesText() || !IsFramedLabel() || IsVerticalText())
        DrawBoxRectangle(painter, device);
    painter.setBackgroundMode(Qt::TransparentMode);
    if (WritesText()) {
        const QFont previous = painter.font();
        if (IsVerticalText())
            DrawVerticalText(painter, device);
        else
            DrawHorizontalText(painter, transform, device);
        painter.setFont(previous);
    }
    SelectStockObjects(painter);
}

void NShpRectangle::DrawVerticalText(QPainter& painter, const IRect& device) const
{
    const QString text = ToQ(*Text());
    const int count = static_cast<int>(text.size());
    if (count == 0)
        return;
    const int height = std::abs(device.Height());
    const int step = height / count;
    FitFont(painter, FontLadder::SansSerif(), device.Width(), step, text.left(1));
    // The column of letters is centred vertically; device.top is the upper edge on the
    // surface, the image of the world rectangle's upper (larger y) edge.
    int y = device.top + (height - count * step) / 2;
    for (const QChar c : text) {
        const QString letter(c);
        const int w = TextExtent(painter, letter).width();
        TextOutTopLeft(painter, device.left + (device.Width() - w) / 2, y, letter, kTextColour);
        y += step;
    }
}

void NShpRectangle::DrawHorizontalText(
    QPainter& painter, const CDrawTransform& transform, const IRect& device) const
{
    const QString text = ToQ(*Text());
    FitFont(painter, FontLadder::SansSerif(), device.Width(), device.Height() - 2, text);
    const QSize extent = TextExtent(painter, text);
    int x = device.left + (device.Width() - extent.width()) / 2;
    const int y = device.top + (device.Height() - extent.height()) / 2;
    if (IsFramedLabel()) {
        const IRect frameDevice { x - 2, y - 1, x + extent.width() + 2, y + extent.height() + 1 };
        IRect frameWorld = transform.DeviceToWorld(frameDevice);
        // Keep the frame inside the drawing when the text would start left of the world.
        const int worldLeft = std::min(frameWorld.left, frameWorld.right);
        if (worldLeft < 0)
            frameWorld = frameWorld.Offset(10 - worldLeft, 0);
        const IRect frame = transform.WorldToDevice(frameWorld).Normalised();
        DrawBoxRectangle(painter, frame);
        x = frame.left + 2;
    }
    TextOutTopLeft(painter, x, y, text, kTextColour);
}

} // namespace quelvan::graphics
