#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

// Helpers for tests that check drawings on real pixels.
namespace quelvan::graphics::test {

QImage BlankImage(int width, int height, QColor colour = Qt::white);
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match);
int CountColour(const QImage& image, const QRect& area, QColor colour);
int CountDifferent(const QImage& image, const QRect& area, QColor background);
// Black or nearly (anti-aliased text edges are lighter).
bool IsDarkInk(QColor c);

} // namespace quelvan::graphics::test
