#include "graphics/FluxDensityPlot.h"
#include "GraphicsTestSupport.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/NShpText.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace quelvan::graphics {
namespace {

using test::CountColour;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGrey(168, 168, 168);

std::string Label(const FluxDensityPlot& plot, int axis, int which)
{
    const CChartAxis& a = plot.Chart().Axis(axis);
    return (which == 0 ? a.EndBLabel() : a.EndALabel())->Text().value_or("");
}

TEST(FluxDensityPlot, BeforeTheFirstHourTheRangeIsMinusOneToOneWithTheZeroLine)
{
    FluxDensityPlot plot;
    plot.Update(0, {}, {});
    EXPECT_EQ(plot.Range().bottom, -1);
    EXPECT_EQ(plot.Range().top, 1);
    EXPECT_TRUE(plot.ZeroLineShown());
    EXPECT_TRUE(plot.Chart().Curve(1).Points().empty());
    EXPECT_TRUE(plot.Chart().Curve(2).Points().empty());
    EXPECT_EQ(Label(plot, CChart::kAxisY, 1), "-1");
    EXPECT_EQ(Label(plot, CChart::kAxisY, 0), "1");
    EXPECT_EQ(Label(plot, CChart::kAxisX, 1), "0");
}

TEST(FluxDensityPlot, PositiveFluxesHaveNoZeroLineAndStartAtTheFloor)
{
    FluxDensityPlot plot;
    const std::vector<float> interior { 3.5f, 4.0f, 6.2f };
    const std::vector<float> exterior { 2.7f, 8.9f, 5.0f };
    plot.Update(3, interior, exterior);
    EXPECT_EQ(plot.Range().bottom, 2);
    EXPECT_EQ(plot.Range().top, 9);
    EXPECT_FALSE(plot.ZeroLineShown());
    EXPECT_FALSE(plot.Chart().Curve(0).IsVisible());
    EXPECT_EQ(Label(plot, CChart::kAxisX, 0), "2");
    EXPECT_EQ(Label(plot, CChart::kAxisY, 1), "2");
    EXPECT_EQ(Label(plot, CChart::kAxisY, 0), "9");
    // Hours 0..2 spread over the plot's full width (within the 5e-5 extent guard).
    const auto& points = plot.Chart().Curve(1).Points();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_NEAR(points.front().x, 153.0f, 0.05f);
    EXPECT_NEAR(points.back().x, 939.0f, 0.05f);
}

TEST(FluxDensityPlot, OnlyTheComputedHoursArePlotted)
{
    FluxDensityPlot plot;
    const std::vector<float> series(169, 1.0f);
    plot.Update(5, series, series);
    EXPECT_EQ(plot.Chart().Curve(1).Points().size(), 5u);
    EXPECT_EQ(plot.Chart().Curve(2).Points().size(), 5u);
}

// Interior at +10 W/m² (blue), exterior at -5 W/m² (red), over a day: range -6..10, zero line
// shown; every curve appears in its colour at the height its value gives.
TEST(FluxDensityPlot, DrawsEachCurveInItsColourAtItsValue)
{
    FluxDensityPlot plot;
    const std::vector<float> interior(24, 10.0f);
    const std::vector<float> exterior(24, -5.0f);
    plot.Update(24, interior, exterior);
    ASSERT_EQ(plot.Range().bottom, -6);
    ASSERT_EQ(plot.Range().top, 10);
    QImage image = test::BlankImage(500, 400);
    QPainter painter(&image);
    plot.DrawPlot(painter, 500, 400);
    painter.end();
    // World heights: 192 + 757 * (v + 6) / 16; device y = (1000 - world) * 0.4.
    auto deviceY
        = [](float v) { return (1000.0f - (192.0f + 757.0f * (v + 6.0f) / 16.0f)) * 0.4f; };
    auto band = [&](float v) { return QRect(76, static_cast<int>(deviceY(v)) - 2, 395, 5); };
    EXPECT_GT(CountColour(image, band(10.0f), kBlue), 350);
    EXPECT_GT(CountColour(image, band(-5.0f), kRed), 350);
    EXPECT_GT(CountColour(image, band(0.0f), kGrey), 350);
    EXPECT_EQ(CountColour(image, image.rect(), kBlue), CountColour(image, band(10.0f), kBlue));
    EXPECT_EQ(CountColour(image, image.rect(), kRed), CountColour(image, band(-5.0f), kRed));
    // The background is the window's grey.
    EXPECT_EQ(image.pixelColor(250, 100), QColor(200, 200, 200));
}

TEST(FluxDensityPlot, PaintPutsTheLegendUnderThePlot)
{
    FluxDensityPlot plot;
    QImage image = test::BlankImage(600, 460);
    QPainter painter(&image);
    plot.Paint(painter, image.size(), 40);
    painter.end();
    // Legend strip at y 420..459: a blue line at 430, a red one at 450, from x 5 to 20.
    EXPECT_GE(CountColour(image, QRect(5, 428, 16, 5), kBlue), 30);
    EXPECT_GE(CountColour(image, QRect(5, 448, 16, 5), kRed), 30);
    EXPECT_GT(test::CountPixels(image, QRect(30, 420, 300, 40), test::IsDarkInk), 50);
    // The plot is inset by one unit, above the legend.
    EXPECT_EQ(image.pixelColor(0, 100), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(200, 200, 200));
    EXPECT_EQ(image.pixelColor(300, 419), QColor(Qt::white));
}

} // namespace
} // namespace quelvan::graphics
