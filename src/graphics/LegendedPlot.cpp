#include "graphics/LegendedPlot.h"

#include "graphics/ChartStyle.h"

#include <QImage>
#include <QPainter>

namespace quelvan::graphics {

void PaintAboveLegend(QPainter& painter, QSize client, int legendHeight, const DrawPlot& draw,
    std::span<const LegendEntry> legend, LegendLayout layout)
{
    const int legendTop = client.height() - legendHeight;
    draw(painter, QRect(1, 1, client.width() - 2, legendTop - 2));
    painter.setFont(style::LegendFont(
        layout == LegendLayout::Rows ? style::kWeekLegendPixels : style::kStudyLegendPixels));
    DrawLegend(painter, QRect(0, legendTop, client.width(), legendHeight), legend, layout);
}

void DrawOffScreen(
    QPainter& painter, const QRect& area, const std::function<void(QPainter&, int, int)>& draw)
{
    if (area.width() <= 0 || area.height() <= 0)
        return;
    QImage image(area.size(), QImage::Format_RGB32);
    QPainter imagePainter(&image);
    draw(imagePainter, area.width(), area.height());
    imagePainter.end();
    painter.drawImage(area.topLeft(), image);
}

} // namespace quelvan::graphics
