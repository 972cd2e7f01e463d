#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <span>
#include <string>

class QFont;
class QPainter;

namespace quelvan::graphics {

// One line of a chart's legend: a swatch (a filled box, a line, a dotted line or a dot) and
// its text.
struct LegendEntry {
    enum class Swatch { Box, Line, DottedLine, Dot };
    Swatch swatch;
    QColor colour;
    std::string text;
};

// How a legend is laid out in its strip.
enum class LegendLayout {
    // Side by side along the strip, wrapping onto as many lines as they need, centred
    // vertically: the studies' charts and the report's annual page.
    Flow,
    // One entry per half of the strip's height, a thick line then the text: the week's charts
    // (the flux window, the periodic response). Entries with no text are skipped.
    Rows,
};

// Draws the entries in the strip, in the painter's current font.
void DrawLegend(QPainter& painter, const QRect& strip, std::span<const LegendEntry> entries,
    LegendLayout layout = LegendLayout::Flow);

// The height a flowing legend of these entries takes in a strip that wide, in that font: a
// strip lower than this cuts its last line.
int FlowLegendHeight(const QFont& font, int width, std::span<const LegendEntry> entries);

// The entries one under the other from topLeft, each a short line and its text, as the form
// shows beside the in-wall profile; returns the rectangle drawn over.
QRect DrawLegendColumn(QPainter& painter, QPoint topLeft, std::span<const LegendEntry> entries);

} // namespace quelvan::graphics
