#include "ui/main/ChartNotes.h"

#include "engine/RunView.h"
#include "graphics/CChart.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/ProfileChart.h"
#include "graphics/QtStrings.h"

#include <QFontMetrics>
#include <QPainter>

namespace quelvan::ui {

namespace {
constexpr int kPadding = 3;
} // namespace

std::array<graphics::LegendEntry, 3> ProfileLegend(const graphics::CChart& chart)
{
    using graphics::LegendEntry;
    using graphics::ProfileChart;
    const auto line = [&chart](int curve, const char* text) {
        return LegendEntry { LegendEntry::Swatch::Line,
            graphics::ToQColor(chart.Curve(curve).PenColour()), text };
    };
    return { line(ProfileChart::kCurveCurrent, "Profil à l'heure affichée"),
        line(ProfileChart::kCurveMaximum, "Maximum de la journée"),
        line(ProfileChart::kCurveMinimum, "Minimum de la journée") };
}

QRect DrawFineModeLabel(QPainter& painter, const QRect& area, const RunView& run)
{
    if (!run.prepared || run.mode != CalculationMode::Fine)
        return {};
    const QString text = ToQ(CalculationModeLabel(CalculationMode::Fine));
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
