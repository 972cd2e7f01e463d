#pragma once

#include "graphics/AnnualBalancePlots.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace quelvan::ui {

// A chart drawn above its legend strip: the annual balance's and the wall comparison's charts.
// The chart and its legend are asked for at every paint, so the widget follows what they show.
class LegendedChart : public QWidget {
public:
    using DrawChart = std::function<void(QPainter&, const QRect&)>;
    using Legend = std::function<std::vector<graphics::LegendEntry>()>;

    LegendedChart(DrawChart draw, Legend legend, int legendHeight, const QString& name,
        QSize leastSize, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawChart draw_;
    Legend legend_;
    int legendHeight_;
};

} // namespace quelvan::ui
