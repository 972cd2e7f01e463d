#pragma once

#include <QFont>
#include <QString>
#include <vector>

class QPainter;

namespace quelvan::graphics {

// A ladder of fonts of one face, from the smallest character height to the largest, used to
// find the largest font in which a text fits a box. Heights are em sizes in device pixels, so
// a fit never depends on the screen resolution.
class FontLadder {
public:
    explicit FontLadder(const std::vector<int>& pixelHeights);

    int Count() const { return static_cast<int>(fonts_.size()); }
    const QFont& At(int index) const { return fonts_[static_cast<size_t>(index)]; }
    int PixelHeight(int index) const { return At(index).pixelSize(); }

    // The ladder that serves shapes: 28 heights 4, 6 ... 18, then 22 to 98 by 4.
    static const FontLadder& SansSerif();
    // The ladder that serves printed table cells: 48 heights 8 to 55.
    static const FontLadder& Arial();

    // Index of the largest font, tried from the smallest upward and stopping at the first that
    // does not fit, whose extent of text fits boxWidth by boxHeight; 0 when none fits.
    int FitIndex(QPainter& painter, int boxWidth, int boxHeight, const QString& text) const;

private:
    std::vector<QFont> fonts_;
};

// Selects the fitted font of the ladder on the painter and returns the previous font.
QFont FitFont(
    QPainter& painter, const FontLadder& ladder, int boxWidth, int boxHeight, const QString& text);

} // namespace quelvan::graphics
