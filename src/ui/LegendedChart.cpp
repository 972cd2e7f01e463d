#include "ui/LegendedChart.h"

#include <QPainter>

namespace quelvan::ui {

namespace {

QFont LegendFont()
{
    QFont font;
    font.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
    font.setPixelSize(12);
    return font;
}

} // namespace

LegendedChart::LegendedChart(DrawChart draw, Legend legend, int legendHeight, const QString& name,
    QSize leastSize, QWidget* parent)
    : QWidget(parent)
    , draw_(std::move(draw))
    , legend_(std::move(legend))
    , legendHeight_(legendHeight)
{
    setObjectName(name);
    setMinimumSize(leastSize);
}

void LegendedChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    draw_(painter, QRect(1, 1, width() - 2, height() - legendHeight_ - 2));
    painter.setFont(LegendFont());
    graphics::DrawLegend(
        painter, QRect(0, height() - legendHeight_, width(), legendHeight_), legend_());
}

} // namespace quelvan::ui
