#include "graphics/CDrawTransform.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace quelvan::graphics {
namespace {

// The drawings' usual set-up: world 1000 by 1000 with its origin at the top-left corner
// (0, 1000), device with a negative height so that world y grows upward.
CDrawTransform MakeTransform(TransformMode mode, int deviceWidth, int deviceHeight)
{
    CDrawTransform t(mode);
    t.SetWorldExtent(1000, 1000);
    t.SetWorldOrigin(0, 1000);
    t.SetDeviceOrigin(0, 0);
    t.SetDeviceExtent(deviceWidth, deviceHeight);
    t.Recompute();
    return t;
}

struct ScaleCase {
    TransformMode mode;
    int width;
    int height;
    float scaleX;
    float scaleY;
    friend void PrintTo(const ScaleCase& c, std::ostream* os)
    {
        *os << "mode " << static_cast<int>(c.mode) << ", " << c.width << " x " << c.height;
    }
};

class Scales : public ::testing::TestWithParam<ScaleCase> { };

// Isotropic mode gives both axes the smaller magnitude and keeps each direction; scales carry
// the 5e-5 guard, within single precision; the inverse scales undo them.
TEST_P(Scales, OfAThousandUnitWorld)
{
    const ScaleCase& c = GetParam();
    const CDrawTransform t = MakeTransform(c.mode, c.width, c.height);
    EXPECT_NEAR(t.ScaleX(), c.scaleX, 1e-6f);
    EXPECT_NEAR(t.ScaleY(), c.scaleY, 1e-6f);
    EXPECT_NEAR(t.InverseScaleX(), 1.0f / c.scaleX, 1e-4f);
    EXPECT_NEAR(t.InverseScaleY(), 1.0f / c.scaleY, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(Modes, Scales,
    ::testing::Values(ScaleCase { TransformMode::Isotropic, 800, -600, 0.6f, -0.6f },
        ScaleCase { TransformMode::Isotropic, 400, -600, 0.4f, -0.4f },
        ScaleCase { TransformMode::Independent, 800, -600, 0.8f, -0.6f }));

TEST(CDrawTransform, IsotropicWorldFillsTheSquareAtTheDevicesCorner)
{
    const CDrawTransform t = MakeTransform(TransformMode::Isotropic, 800, -600);
    // World corners land on the 600 by 600 square at the device's top-left corner.
    EXPECT_NEAR(t.WorldToDeviceF(Coordinate::X, 1000.0f), 600.0f, 1e-3f);
    EXPECT_NEAR(t.WorldToDeviceF(Coordinate::Y, 1000.0f), 0.0f, 1e-3f);
    EXPECT_NEAR(t.WorldToDeviceF(Coordinate::Y, 0.0f), 600.0f, 1e-3f);
    // Integer results truncate: 500 × 0.59999997 = 299.99998 gives 299.
    const IPoint p = t.WorldToDevice(IPoint { 500, 250 });
    EXPECT_NEAR(p.x, 300, 1);
    EXPECT_NEAR(p.y, 450, 1);
}

TEST(CDrawTransform, DeviceToWorldInvertsTheMapping)
{
    CDrawTransform t = MakeTransform(TransformMode::Isotropic, 800, -600);
    t.SetDeviceOrigin(40, 20);
    t.Recompute();
    const IPoint world { 250, 750 };
    const IPoint device = t.WorldToDevice(world);
    // 40 + 250 * 0.6 and 20 + (750 - 1000) * -0.6.
    EXPECT_NEAR(device.x, 190, 1);
    EXPECT_NEAR(device.y, 170, 1);
    const IPoint back = t.DeviceToWorld(device);
    EXPECT_NEAR(back.x, world.x, 2);
    EXPECT_NEAR(back.y, world.y, 2);
}

TEST(CDrawTransform, IntegerResultsTruncateTowardZero)
{
    CDrawTransform t(TransformMode::Curve);
    t.SetWorldOrigin(0.0f, 0.0f);
    t.SetWorldExtent(10.0f, 10.0f);
    t.SetDeviceOrigin(0, 0);
    t.SetDeviceExtent(-25, 25);
    t.Recompute();
    // 1 maps to -2.5 and to 2.5: both truncate to magnitude 2.
    EXPECT_EQ(t.WorldToDevice(Coordinate::X, 1.0f), -2);
    EXPECT_EQ(t.WorldToDevice(Coordinate::Y, 1.0f), 2);
}

TEST(CDrawTransform, RectanglesMapCornerByCorner)
{
    const CDrawTransform t = MakeTransform(TransformMode::Independent, 1000, -1000);
    const IRect device = t.WorldToDevice(IRect { 100, 900, 300, 700 });
    EXPECT_NEAR(device.left, 100, 1);
    EXPECT_NEAR(device.top, 100, 1);
    EXPECT_NEAR(device.right, 300, 1);
    EXPECT_NEAR(device.bottom, 300, 1);
}

} // namespace
} // namespace quelvan::graphics
