#include "GraphicsTestSupport.h"
#include "graphics/CWallDrawing.h"
#include "graphics/NShpRectangle.h"
#include "model/KslDoc.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace quelvan::graphics {
namespace {

// A document whose wall is exactly the given layers, each of its own material.
struct Wall {
    KslDoc doc;
    std::vector<CMaterial*> materials;
    explicit Wall(const std::vector<std::pair<std::string, Colour>>& layers)
    {
        doc.layers.Clear();
        int n = 0;
        for (const auto& [thickness, colour] : layers) {
            CMaterial& m
                = doc.AddMaterial(3100 + n, 0, "Mat" + std::to_string(n), "1", "1000", "1000");
            m.SetColour(colour);
            doc.AddLayer(&m, thickness);
            materials.push_back(&m);
            ++n;
        }
    }
};

const NShpRectangle& RectAt(const CDrawObject& d, int i)
{
    return static_cast<const NShpRectangle&>(d.ShapeAt(i));
}

TEST(CWallDrawing, ThinLayerGetsTheMinimumShare)
{
    // First pass 200/205 and 5/205 = 0.0244, raised to 0.0666668; the passes settle at
    // 1 - 0.0666668 and 0.0666668: 750 × 0.93333 = 699.99 → 699, 750 × 0.0666668 → 50.
    Wall wall({ { "200", MakeColour(208, 73, 34) }, { "5", MakeColour(0, 0, 255) } });
    const CWallDrawing drawing(&wall.doc);
    ASSERT_EQ(drawing.ShapeCount(), 2);
    EXPECT_EQ(RectAt(drawing, 0).Rect(), (IRect { 125, 166, 824, 875 }));
    EXPECT_EQ(RectAt(drawing, 1).Rect(), (IRect { 824, 166, 874, 875 }));
    EXPECT_EQ(RectAt(drawing, 0).Text(), "Mat0");
    EXPECT_TRUE(RectAt(drawing, 0).IsVerticalText());
    EXPECT_EQ(RectAt(drawing, 1).OwnerAs<NMaterialLayer>(), &wall.doc.layers.At(1));
}

TEST(CWallDrawing, SharesFollowThicknesses)
{
    const std::vector<std::string> thick { "100", "abc", "300" };
    const std::vector<float> shares = CWallDrawing::LayerShares(thick);
    ASSERT_EQ(shares.size(), 3u);
    EXPECT_FLOAT_EQ(shares[1], CWallDrawing::kMinimumShare);
    // The other two keep their 1:3 ratio in what the minimum leaves.
    EXPECT_NEAR(shares[2] / shares[0], 3.0f, 1e-4f);
    EXPECT_NEAR(shares[0] + shares[1] + shares[2], 1.0f, 1e-4f);
    const std::vector<std::string> equal { "10", "10" };
    EXPECT_NEAR(CWallDrawing::LayerShares(equal)[0], 0.5f, 1e-6f);
}

TEST(CWallDrawing, MoreThanFifteenLayersRunPastTheSection)
{
    std::vector<std::pair<std::string, Colour>> layers(16, { "10", MakeColour(1, 2, 3) });
    Wall wall(layers);
    const CWallDrawing drawing(&wall.doc);
    ASSERT_EQ(drawing.ShapeCount(), 16);
    // Every share stays at the minimum: 16 rectangles of trunc(750 × 0.0666668) = 50.
    EXPECT_EQ(RectAt(drawing, 15).Rect().right, 125 + 16 * 50);
}

TEST(CWallDrawing, NoLayerNoShape)
{
    Wall wall({});
    CWallDrawing drawing(&wall.doc);
    EXPECT_EQ(drawing.ShapeCount(), 0);
    const CWallDrawing none(nullptr);
    EXPECT_EQ(none.ShapeCount(), 0);
}

TEST(CWallDrawing, HitTestFindsTheLayer)
{
    Wall wall({ { "100", MakeColour(208, 73, 34) }, { "100", MakeColour(0, 0, 255) } });
    const CWallDrawing drawing(&wall.doc);
    const NShape* hit = drawing.HitTest({ 600, 500 }, HitSlot::Ordinary);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->OwnerAs<NMaterialLayer>(), &wall.doc.layers.At(1));
    EXPECT_EQ(drawing.HitTest({ 600, 900 }, HitSlot::Ordinary), nullptr);
    EXPECT_EQ(drawing.HitTest({ 100, 500 }, HitSlot::Alternative), nullptr);
}

TEST(CWallDrawing, RebuildRecoloursLayersOfAChangedMaterial)
{
    Wall wall({ { "100", MakeColour(208, 73, 34) } });
    CWallDrawing drawing(&wall.doc);
    wall.materials[0]->SetColour(MakeColour(9, 9, 9));
    drawing.Build();
    EXPECT_EQ(RectAt(drawing, 0).BrushColour(), MakeColour(9, 9, 9));
}

// On real pixels: each layer is filled with its material's colour inside its rectangle and
// carries its name in dark letters.
TEST(CWallDrawing, RenderedSectionShowsEachMaterialInItsRectangle)
{
    const QColor brick(208, 73, 34);
    const QColor insulation(242, 240, 145);
    const QColor plaster(230, 230, 230);
    Wall wall({ { "200", MakeColour(208, 73, 34) }, { "100", MakeColour(242, 240, 145) },
        { "15", MakeColour(230, 230, 230) } });
    CWallDrawing drawing(&wall.doc);
    drawing.SetDeviceMapping(0, 0, 800, -600);
    QImage image = test::BlankImage(800, 600);
    QPainter painter(&image);
    drawing.Draw(painter);
    painter.end();
    // Isotropic 0.6: world x → 0.6 x, world y → 0.6 (1000 - y); the section spans device
    // rows 75..500.
    for (int i = 0; i < 3; ++i) {
        const IRect r = RectAt(drawing, i).Rect();
        const QRect device(static_cast<int>(r.left * 0.6) + 2, 78,
            static_cast<int>((r.right - r.left) * 0.6) - 4, 420);
        const QColor colour = i == 0 ? brick : (i == 1 ? insulation : plaster);
        const int area = device.width() * device.height();
        const int filled = test::CountColour(image, device, colour);
        EXPECT_GT(filled, area * 7 / 10) << i;
        EXPECT_GT(test::CountPixels(image, device, test::IsDarkInk), 20) << i;
        EXPECT_LT(filled, area) << i; // letters are written over the fill
    }
    EXPECT_EQ(test::CountDifferent(image, QRect(0, 0, 70, 600), Qt::white), 0);
    EXPECT_EQ(test::CountDifferent(image, QRect(0, 505, 800, 95), Qt::white), 0);
}

} // namespace
} // namespace quelvan::graphics
