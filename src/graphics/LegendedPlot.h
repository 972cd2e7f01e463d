#pragma once

#include "graphics/Legend.h"

#include <QRect>
#include <QSize>
#include <functional>
#include <span>

class QPainter;

namespace quelvan::graphics {

// Draws a plot into the device rectangle it is given.
using DrawPlot = std::function<void(QPainter&, const QRect&)>;

// The one way a chart fills its area: the plot one unit in from the top-left corner, above a
// legend strip of legendHeight units across the bottom, in the screen's legend font of its
// layout. Windows, exported images and the dynamic characteristics all paint through it.
void PaintAboveLegend(QPainter& painter, QSize client, int legendHeight, const DrawPlot& draw,
    std::span<const LegendEntry> legend, LegendLayout layout);

// Draws into area through an image of its size first, so that a plot refreshed every hour
// never shows half drawn; an empty area draws nothing. The drawing starts at the image's
// origin, with width and height of the area.
void DrawOffScreen(
    QPainter& painter, const QRect& area, const std::function<void(QPainter&, int, int)>& draw);

} // namespace quelvan::graphics
