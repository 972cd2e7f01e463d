#pragma once

// What the desktop adds to its charts so that they explain themselves: a legend of the curves
// and a label saying the fine mode is in use. The command line's images and the report draw
// the same charts without them.
#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <span>

class QPainter;

namespace quelvan {
struct RunView;
}
namespace quelvan::graphics {
class CChart;
}

namespace quelvan::ui {

struct LegendLine {
    QColor colour;
    QString text;
};

// A short line of each colour with its text, one under the other from topLeft; the rectangle
// drawn over.
QRect DrawLegend(QPainter& painter, QPoint topLeft, std::span<const LegendLine> lines);

// The in-wall profile's curves: the hour shown and the day's two envelopes, in the chart's
// colours.
std::array<LegendLine, 3> ProfileLegend(const graphics::CChart& chart);

// "Calcul fin" in the top right corner of the area, on a pale ground, while the run shown was
// prepared in the fine mode; nothing otherwise. The rectangle drawn over (empty when none).
QRect DrawFineModeLabel(QPainter& painter, const QRect& area, const RunView& run);

} // namespace quelvan::ui
