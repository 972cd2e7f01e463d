#include "ui/ChartNotes.h"

#include "engine/RunView.h"
#include "graphics/CChart.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/ProfileChart.h"

#include <QFontMetrics>
#include <QPainter>

namespace quelvan::ui {

namespace {
constexpr int kLineLength = 18;
constexpr int kTextGap = 6;
constexpr int kPadding = 3;
} // namespace

QRect DrawLegend(QPainter& painter, QPoint topLeft, std::span<const LegendLine> lines)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int step = metrics.height() + 2;
    QRect drawn(topLeft, QSize(0, 0));
    painter.save();
    for (size_t i = 0; i < lines.size(); ++i) {
        const int top = topLeft.y() + static_cast<int>(i) * step;
        const int middle = top + step / 2;
        painter.setPen(QPen(lines[i].colour, 2));
        painter.drawLine(topLeft.x(), middle, topLeft.x() + kLineLength, middle);
        painter.setPen(Qt::black);
        const QRect text(topLeft.x() + kLineLength + kTextGap, top,
            metrics.horizontalAdvance(lines[i].text) + 1, step);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, lines[i].text);
        drawn = drawn.united(QRect(topLeft.x(), top, text.right() - topLeft.x() + 1, step));
    }
    painter.restore();
    return drawn;
}

std::array<LegendLine, 3> ProfileLegend(const graphics::CChart& chart)
{
    const auto colour
        = [&chart](int curve) { return graphics::ToQColor(chart.Curve(curve).PenColour()); };
    using graphics::ProfileChart;
    return { { { colour(ProfileChart::kCurveCurrent), QStringLiteral("Profil à l'heure affichée") },
        { colour(ProfileChart::kCurveMaximum), QStringLiteral("Maximum de la journée") },
        { colour(ProfileChart::kCurveMinimum), QStringLiteral("Minimum de la journée") } } };
}

QRect DrawFineModeLabel(QPainter& painter, const QRect& area, const RunView& run)
{
    if (!run.prepared || run.mode != CalculationMode::Fine)
        return {};
    const QString text = QString::fromUtf8(CalculationModeLabel(CalculationMode::Fine));
    const QFontMetrics metrics = painter.fontMetrics();
    QRect box(0, 0, metrics.horizontalAdvance(text) + 2 * kPadding, metrics.height() + kPadding);
    box.moveTopRight(area.topRight() + QPoint(-kPadding, kPadding));
    painter.save();
    painter.setPen(QColor(0, 0, 128));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
    return box;
}

} // namespace quelvan::ui
