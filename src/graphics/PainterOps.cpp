#include "graphics/PainterOps.h"

#include "graphics/DrawPalette.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace quelvan::graphics {

QPen MakePen(Colour colour, LineStyle style, int width)
{
    // By style code.
    static constexpr std::array<Qt::PenStyle, 6> kQtStyles { Qt::SolidLine, Qt::DashLine,
        Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen };
    QPen pen(ToQColor(colour));
    pen.setWidth(width < 0 ? 0 : width);
    pen.setStyle(kQtStyles.at(static_cast<size_t>(style)));
    return pen;
}

QBrush MakeBrush(Colour colour)
{
    return QBrush(ToQColor(colour), Qt::SolidPattern);
}

void SelectStockObjects(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(QBrush(Qt::white));
}

void DrawBoxRectangle(QPainter& painter, const IRect& deviceRect)
{
    const IRect r = deviceRect.Normalised();
    const int w = r.Width();
    const int h = r.Height();
    if (w <= 0 || h <= 0)
        return;
    if (painter.brush().style() != Qt::NoBrush)
        painter.fillRect(QRect(r.left, r.top, w, h), painter.brush());
    if (painter.pen().style() == Qt::NoPen)
        return;
    const QBrush brush = painter.brush();
    painter.setBrush(Qt::NoBrush);
    if (w == 1 || h == 1)
        painter.drawLine(r.left, r.top, r.left + w - 1, r.top + h - 1);
    else
        painter.drawRect(QRect(r.left, r.top, w - 1, h - 1));
    painter.setBrush(brush);
}

void DrawBoxEllipse(QPainter& painter, const IRect& deviceRect)
{
    const IRect r = deviceRect.Normalised();
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    painter.drawEllipse(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
}

void FillBox(QPainter& painter, const IRect& deviceRect, const QColor& colour)
{
    const IRect r = deviceRect.Normalised();
    if (r.Width() > 0 && r.Height() > 0)
        painter.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), colour);
}

QSize TextExtent(QPainter& painter, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    return { metrics.horizontalAdvance(text), metrics.height() };
}

int TextHeight(QPainter& painter)
{
    return painter.fontMetrics().height();
}

void TextOutTopLeft(QPainter& painter, int x, int y, const QString& text, const QColor& colour)
{
    const QPen previous = painter.pen();
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
    painter.setPen(previous);
}

} // namespace quelvan::graphics
