// The Glaser diagram on the chart: a pressure scale holding every point, the layers' bands in
// their fills, the saturation (red) and partial pressure (blue) curves drawn, and a legend that
// names the condensing interfaces only when some are marked.
#include "graphics/GlaserPlot.h"
#include "graphics/SurfaceHoursPlot.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::graphics;

namespace {

moisture::MoistureWall Wall()
{
    moisture::MoistureWall wall;
    wall.layers = { { "Béton", 0.2, 0.1, 16.0 }, { "Laine", 0.1, 0.1 / 0.041, 0.1 },
        { "Plaque", 0.0125, 0.05, 0.05 } };
    return wall;
}

// θe 1 °C, 80 % outside; 20 °C inside at rh.
moisture::YearClimate Winter(double rh)
{
    moisture::YearClimate year;
    year.fill({ 1.0, 0.8 * 656.9, 20.0, rh * 2337.0 });
    return year;
}

int CountColour(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

TEST(GlaserPlot, DrawsTheLayersTheCurvesAndTheCondensingMarks)
{
    const moisture::MoistureWall wall = Wall();
    const auto year = moisture::CheckCondensation(wall, Winter(0.6));
    ASSERT_NE(year.verdict, moisture::Verdict::None);
    const moisture::DiagramData data
        = moisture::DiagramOf(wall, year, 1, moisture::DiagramAxis::Sd);
    ASSERT_FALSE(data.condensing.empty());
    GlaserPlot plot;
    plot.Show(data);
    double highest = 0.0;
    for (const auto& p : data.saturation)
        highest = std::max(highest, p.psatPa);
    EXPECT_GE(plot.PressureScale().top, highest);
    EXPECT_EQ(plot.PressureScale().bottom, 0.0);
    ASSERT_EQ(plot.Legend().size(), 3u);
    EXPECT_EQ(plot.Legend()[2].text, "Interface en condensation (eau du mois)");

    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    plot.Draw(painter, image.rect());
    painter.end();
    EXPECT_GT(CountColour(image, GlaserPlot::kSaturationColour), 100);
    EXPECT_GT(CountColour(image, GlaserPlot::kPressureColour), 100);
    // The concrete's band (s_d 16 of 16.15 m) fills most of the plot.
    EXPECT_GT(CountColour(image, QColor(236, 228, 206)), 800 * 600 / 4);

    // A dry wall: no mark, and the legend does not name one.
    const auto dry = moisture::CheckCondensation(wall, Winter(0.2));
    plot.Show(moisture::DiagramOf(wall, dry, 1, moisture::DiagramAxis::Thickness));
    EXPECT_EQ(plot.Legend().size(), 2u);
}

TEST(SurfaceHoursPlot, ScaleHoldsTheWettestMonth)
{
    SurfaceHoursPlot plot;
    plot.Show({ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 });
    EXPECT_GE(plot.Range().top, 4.0); // a few hours, never -1 to 1
    EXPECT_EQ(plot.Range().bottom, 0.0);
    plot.Show({ 310, 120, 0, 0, 0, 0, 0, 0, 0, 0, 40, 500 });
    EXPECT_GE(plot.Range().top, 500.0);
    EXPECT_LT(plot.Range().top, 1000.0);
}

// The month initials of the strip under the condensation table, drawn at the strip's size
// (480 x 140 px): the tallest band of dark rows below the month axis, with a dozen separate
// letters, is the letters' height.
TEST(SurfaceHoursPlot, MonthInitialsAreReadableInALowStrip)
{
    SurfaceHoursPlot plot;
    plot.Show({ 30, 12, 0, 0, 0, 0, 0, 0, 0, 0, 4, 50 });
    QImage image(480, 140, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    plot.Draw(painter, image.rect());
    painter.end();
    const auto dark = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    const auto darkRuns = [&](int y) {
        int runs = 0;
        for (int x = 1; x < image.width(); ++x)
            runs += dark(x, y) && !dark(x - 1, y) ? 1 : 0;
        return runs;
    };
    // The month axis: the lowest row that is dark over most of the plot's width.
    int axis = -1;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += dark(x, y) ? 1 : 0;
        if (count > image.width() / 2)
            axis = y;
    }
    ASSERT_GT(axis, 0);
    int tallest = 0;
    int band = 0;
    for (int y = axis + 1; y < image.height(); ++y) {
        band = darkRuns(y) >= 10 ? band + 1 : 0;
        tallest = std::max(tallest, band);
    }
    EXPECT_GE(tallest, 7) << "month initials " << tallest << " px high";
}

} // namespace
