#include "graphics/Legend.h"

#include "graphics/PainterOps.h"
#include "graphics/QtStrings.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace quelvan::graphics {

namespace {

// Where each entry of a flowing legend goes: x in the strip, y from the first line's top.
// Entries run left to right and wrap onto a new line where the strip ends.
struct Flow {
    std::vector<QPoint> places;
    int height = 0; // from the first line's top to the last one's bottom
};

Flow PlaceFlow(
    const QFontMetrics& metrics, int left, int right, std::span<const LegendEntry> entries)
{
    const int h = metrics.height();
    const int swatch = 2 * h;
    const int lineStep = h + h / 3;
    Flow flow;
    int x = left + h / 2;
    int line = 0;
    for (const LegendEntry& entry : entries) {
        const int width = swatch + h / 2 + metrics.horizontalAdvance(ToQ(entry.text));
        if (x > left + h / 2 && x + width > right) {
            x = left + h / 2;
            ++line;
        }
        flow.places.push_back({ x, line * lineStep });
        x += width + 3 * h / 2;
    }
    flow.height = line * lineStep + h;
    return flow;
}

void DrawFlow(QPainter& painter, const QRect& strip, std::span<const LegendEntry> entries)
{
    const int h = TextHeight(painter);
    const int swatch = 2 * h;
    const Flow flow = PlaceFlow(painter.fontMetrics(), strip.left(), strip.right(), entries);
    const std::vector<QPoint>& places = flow.places;
    const int top = strip.top() + (strip.height() - flow.height) / 2;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = entries[i];
        const int left = places[i].x();
        const int y = top + places[i].y();
        const int middle = y + h / 2;
        switch (entry.swatch) {
        case LegendEntry::Swatch::Box:
            painter.setPen(Qt::NoPen);
            painter.fillRect(QRect(left, y + h / 5, swatch, h - 2 * (h / 5)), entry.colour);
            break;
        case LegendEntry::Swatch::Line:
        case LegendEntry::Swatch::DottedLine:
            painter.setPen(QPen(entry.colour, std::max(1, h / 8),
                entry.swatch == LegendEntry::Swatch::Line ? Qt::SolidLine : Qt::DotLine));
            painter.drawLine(left, middle, left + swatch, middle);
            break;
        case LegendEntry::Swatch::Dot:
            painter.setPen(Qt::NoPen);
            painter.setBrush(entry.colour);
            painter.drawEllipse(QPoint(left + swatch / 2, middle), h / 4, h / 4);
            break;
        }
        TextOutTopLeft(painter, left + swatch + h / 2, y, ToQ(entry.text), Qt::black);
    }
}

void DrawRows(QPainter& painter, const QRect& strip, std::span<const LegendEntry> entries)
{
    constexpr int kLineFrom = 5;
    constexpr int kLineTo = 20;
    constexpr int kTextFrom = 30;
    constexpr int kLineWidth = 3;
    const int rowHeight = strip.height() / 2;
    int y = strip.top();
    for (const LegendEntry& entry : entries) {
        if (entry.text.empty())
            continue;
        const Colour colour
            = MakeColour(entry.colour.red(), entry.colour.green(), entry.colour.blue());
        painter.setPen(MakePen(colour, LineStyle::Solid, kLineWidth));
        painter.drawLine(strip.left() + kLineFrom, y + strip.height() / 4, strip.left() + kLineTo,
            y + strip.height() / 4);
        TextOutTopLeft(painter, strip.left() + kTextFrom, y, ToQ(entry.text), Qt::black);
        y += rowHeight;
    }
}

} // namespace

void DrawLegend(QPainter& painter, const QRect& strip, std::span<const LegendEntry> entries,
    LegendLayout layout)
{
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    if (layout == LegendLayout::Flow)
        DrawFlow(painter, strip, entries);
    else
        DrawRows(painter, strip, entries);
    painter.restore();
}

int FlowLegendHeight(const QFont& font, int width, std::span<const LegendEntry> entries)
{
    return PlaceFlow(QFontMetrics(font), 0, width - 1, entries).height;
}

QRect DrawLegendColumn(QPainter& painter, QPoint topLeft, std::span<const LegendEntry> entries)
{
    constexpr int kLineLength = 18;
    constexpr int kTextGap = 6;
    const QFontMetrics metrics = painter.fontMetrics();
    const int step = metrics.height() + 2;
    QRect drawn(topLeft, QSize(0, 0));
    painter.save();
    for (size_t i = 0; i < entries.size(); ++i) {
        const int top = topLeft.y() + static_cast<int>(i) * step;
        const int middle = top + step / 2;
        const QString text = ToQ(entries[i].text);
        painter.setPen(QPen(entries[i].colour, 2));
        painter.drawLine(topLeft.x(), middle, topLeft.x() + kLineLength, middle);
        painter.setPen(Qt::black);
        const QRect textBox(
            topLeft.x() + kLineLength + kTextGap, top, metrics.horizontalAdvance(text) + 1, step);
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, text);
        drawn = drawn.united(QRect(topLeft.x(), top, textBox.right() - topLeft.x() + 1, step));
    }
    painter.restore();
    return drawn;
}

} // namespace quelvan::graphics
