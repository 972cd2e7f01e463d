#pragma once

#include "graphics/Legend.h"
#include "graphics/LegendedPlot.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace quelvan::ui {

// A chart drawn above its legend strip, as every window shows its charts: the annual
// balance's, the wall comparison's and the periodic response of the dynamic characteristics.
// The chart and its legend are asked for at every paint, so the widget follows what they show.
class LegendedChart : public QWidget {
public:
    using Legend = std::function<std::vector<graphics::LegendEntry>()>;

    LegendedChart(graphics::DrawPlot draw, Legend legend, int legendHeight, const QString& name,
        QSize leastSize, QWidget* parent,
        graphics::LegendLayout layout = graphics::LegendLayout::Flow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    graphics::DrawPlot draw_;
    Legend legend_;
    int legendHeight_;
    graphics::LegendLayout layout_;
};

} // namespace quelvan::ui
