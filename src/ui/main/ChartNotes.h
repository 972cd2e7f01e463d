#pragma once

// What the desktop adds to its charts so that they explain themselves: the legend of the
// in-wall profile's curves and a label saying the fine mode is in use. The command line's images
// and the report draw the same charts without them.
#include "graphics/Legend.h"

#include <QRect>

#include <array>

class QPainter;

namespace quelvan {
struct RunView;
}
namespace quelvan::graphics {
class CChart;
}

namespace quelvan::ui {

// The in-wall profile's curves: the hour shown and the day's two envelopes, in the chart's
// colours.
std::array<graphics::LegendEntry, 3> ProfileLegend(const graphics::CChart& chart);

// "Calcul fin" in the top right corner of the area, on a pale ground, while the run shown was
// prepared in the fine mode; nothing otherwise. The rectangle drawn over (empty when none).
QRect DrawFineModeLabel(QPainter& painter, const QRect& area, const RunView& run);

} // namespace quelvan::ui
