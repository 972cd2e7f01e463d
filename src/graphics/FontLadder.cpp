#include "graphics/FontLadder.h"

#include "graphics/PainterOps.h"

#include <QPainter>

namespace quelvan::graphics {

namespace {

// The drawings were designed for a plain sans-serif face; Liberation Sans has the metrics of
// the usual office sans-serif, DejaVu Sans is the fallback found on every Linux desktop.
QFont MakeLadderFont(int pixelHeight)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("Sans Serif") });
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setKerning(false);
    return font;
}

std::vector<int> SansSerifHeights()
{
    std::vector<int> heights { 4, 6, 8, 10, 12, 14, 16, 18 };
    for (int h = 22; h <= 98; h += 4)
        heights.push_back(h);
    return heights;
}

std::vector<int> ArialHeights()
{
    std::vector<int> heights;
    for (int h = 8; h <= 55; ++h)
        heights.push_back(h);
    return heights;
}

} // namespace

FontLadder::FontLadder(const std::vector<int>& pixelHeights)
{
    fonts_.reserve(pixelHeights.size());
    for (int h : pixelHeights)
        fonts_.push_back(MakeLadderFont(h));
}

const FontLadder& FontLadder::SansSerif()
{
    static const FontLadder ladder(SansSerifHeights());
    return ladder;
}

const FontLadder& FontLadder::Arial()
{
    static const FontLadder ladder(ArialHeights());
    return ladder;
}

int FontLadder::FitIndex(QPainter& painter, int boxWidth, int boxHeight, const QString& text) const
{
    const QFont previous = painter.font();
    int kept = 0;
    for (int i = 0; i < Count(); ++i) {
        painter.setFont(At(i));
        const QSize extent = TextExtent(painter, text);
        if (extent.width() > boxWidth || extent.height() > boxHeight)
            break;
        kept = i;
    }
    painter.setFont(previous);
    return kept;
}

QFont FitFont(
    QPainter& painter, const FontLadder& ladder, int boxWidth, int boxHeight, const QString& text)
{
    const QFont previous = painter.font();
    painter.setFont(ladder.At(ladder.FitIndex(painter, boxWidth, boxHeight, text)));
    return previous;
}

} // namespace quelvan::graphics
