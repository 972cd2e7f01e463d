#pragma once

#include "graphics/Geometry.h"
#include "model/Colour.h"
#include "model/GElement.h"

#include <QBrush>
#include <QPen>
#include <QSize>
#include <QString>
#include <string>

class QPainter;

// The few surface operations the drawables are written against, expressed over QPainter in
// device units: rectangles and ellipses that cover their box like the classic 2-D surface
// (right and bottom edges excluded), text placed by its top-left corner, and text extents.
namespace quelvan::graphics {

// Width 0 is the thinnest line the surface can draw.
QPen MakePen(Colour colour, LineStyle style, int width);
QBrush MakeBrush(Colour colour);

// The pen and brush every shape leaves selected after drawing (black pen, white brush).
void SelectStockObjects(QPainter& painter);

// Outline with the current pen and fill with the current brush, over left..right-1 and
// top..bottom-1 of the normalised rectangle.
void DrawBoxRectangle(QPainter& painter, const IRect& deviceRect);
void DrawBoxEllipse(QPainter& painter, const IRect& deviceRect);
void FillBox(QPainter& painter, const IRect& deviceRect, const QColor& colour);

// Width of the text and the height of a line (ascent + descent) in the current font.
QSize TextExtent(QPainter& painter, const QString& text);
int TextHeight(QPainter& painter);
// Writes text in the current font whose character cell's top-left corner is (x, y).
void TextOutTopLeft(QPainter& painter, int x, int y, const QString& text, const QColor& colour);

} // namespace quelvan::graphics
