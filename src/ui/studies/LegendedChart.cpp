#include "ui/studies/LegendedChart.h"

#include <QPainter>

namespace quelvan::ui {

LegendedChart::LegendedChart(graphics::DrawPlot draw, Legend legend, int legendHeight,
    const QString& name, QSize leastSize, QWidget* parent, graphics::LegendLayout layout)
    : QWidget(parent)
    , draw_(std::move(draw))
    , legend_(std::move(legend))
    , legendHeight_(legendHeight)
    , layout_(layout)
{
    setObjectName(name);
    setMinimumSize(leastSize);
}

void LegendedChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    graphics::PaintAboveLegend(painter, size(), legendHeight_, draw_, legend_(), layout_);
}

} // namespace quelvan::ui
