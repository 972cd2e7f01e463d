#include "GraphicsTestSupport.h"

#include <QGuiApplication>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Fonts and text measurement need a GUI application; the offscreen platform needs no display.
class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_graphics";
        static char* argv[] = { name, nullptr };
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

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
