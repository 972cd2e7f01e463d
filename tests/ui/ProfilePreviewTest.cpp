// The ambiance dialog's preview draws the profile's shape on its chart: a square wave is low
// before its start hour and high between its hours, a constant is flat at mid height, a ramp
// climbs between its hours, and a weather file shows "Pas de tracé" without a curve.
#include "ui/records/ProfilePreview.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <optional>

namespace quelvan::ui {
namespace {

constexpr QSize kSize { 440, 220 };

bool Reddish(QColor c)
{
    return c.red() > 150 && c.green() < 110 && c.blue() < 110;
}

// The rows of the red curve in a column, top first (none when the column has no red).
std::optional<int> CurveRow(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y)
        if (Reddish(image.pixelColor(x, y)))
            return y;
    return std::nullopt;
}

// The column of an hour of the day, from where the curve starts and ends.
int ColumnOfHour(const QImage& image, int hour, int hours)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (CurveRow(image, x)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return first + (last - first) * hour / hours;
}

QImage Preview(ProfileType type, int a, int b, int h1, int h2, bool noPlot = false)
{
    PreviewInput input;
    input.type = type;
    input.a = a;
    input.b = b;
    input.h1 = h1;
    input.h2 = h2;
    input.noPlot = noPlot;
    return DrawProfilePreview(input, kSize, {}).toImage();
}

TEST(ProfilePreview, SquareWaveIsHighBetweenItsHours)
{
    const QImage image = Preview(ProfileType::Square, 0, 0, 8, 18);
    const auto low = CurveRow(image, ColumnOfHour(image, 4, 24));
    const auto high = CurveRow(image, ColumnOfHour(image, 12, 24));
    const auto lateLow = CurveRow(image, ColumnOfHour(image, 21, 24));
    ASSERT_TRUE(low && high && lateLow);
    EXPECT_LT(*high + kSize.height() / 3, *low); // well above
    EXPECT_NEAR(*lateLow, *low, 2);
}

TEST(ProfilePreview, ConstantIsFlatAndRampClimbs)
{
    const QImage flat = Preview(ProfileType::Constant, 20, 20, 0, 0);
    const auto start = CurveRow(flat, ColumnOfHour(flat, 2, 24));
    const auto end = CurveRow(flat, ColumnOfHour(flat, 22, 24));
    ASSERT_TRUE(start && end);
    EXPECT_NEAR(*start, *end, 1);

    const QImage ramp = Preview(ProfileType::Ramp, 10, 20, 6, 18);
    const auto before = CurveRow(ramp, ColumnOfHour(ramp, 3, 24));
    const auto middle = CurveRow(ramp, ColumnOfHour(ramp, 12, 24));
    const auto after = CurveRow(ramp, ColumnOfHour(ramp, 21, 24));
    ASSERT_TRUE(before && middle && after);
    EXPECT_GT(*before, *middle);
    EXPECT_GT(*middle, *after);
}

TEST(ProfilePreview, AWeatherFileDrawsNoCurve)
{
    const QImage image = Preview(ProfileType::Square, 0, 0, 8, 18, true);
    for (int x = 0; x < image.width(); x += 3)
        EXPECT_FALSE(CurveRow(image, x)) << x;
}

} // namespace
} // namespace quelvan::ui
