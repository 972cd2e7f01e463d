#include "GraphicsTestSupport.h"

#include "support/GuiApplicationEnvironment.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

const auto* const kEnvironment
    = ::testing::AddGlobalTestEnvironment(new quelvan::test::GuiApplicationEnvironment);

} // namespace

namespace quelvan::graphics::test {

QImage BlankImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (match(image.pixelColor(x, y)))
                ++count;
    return count;
}

int CountColour(const QImage& image, const QRect& area, QColor colour)
{
    return CountPixels(image, area, [&](QColor c) { return c.rgb() == colour.rgb(); });
}

int CountDifferent(const QImage& image, const QRect& area, QColor background)
{
    return CountPixels(image, area, [&](QColor c) { return c.rgb() != background.rgb(); });
}

bool IsDarkInk(QColor c)
{
    return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}

} // namespace quelvan::graphics::test
