#include "GraphicsTestSupport.h"
#include "graphics/CDrawObject.h"
#include "graphics/FontLadder.h"
#include "graphics/NShpDisk.h"
#include "graphics/NShpLine.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/NShpRectangle.h"
#include "graphics/NShpText.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace quelvan::graphics {
namespace {

using test::BlankImage;
using test::CountColour;
using test::CountDifferent;
using test::CountPixels;

// A drawable whose world (0..400, 0..400, y upward) maps one to one onto a 400 by 400 image.
void MapOneToOne(CDrawObject& d)
{
    CDrawTransform& t = d.Transform();
    t.SetMode(TransformMode::Independent);
    t.SetWorldExtent(400, 400);
    t.SetWorldOrigin(0, 400);
    d.SetDeviceMapping(0, 0, 400, -400);
}

QImage Render(const CDrawObject& d)
{
    QImage image = BlankImage(400, 400);
    QPainter painter(&image);
    d.Draw(painter);
    return image;
}

TEST(CDrawObject, HitTestConsidersOnlySelectableRectanglesAndTexts)
{
    CDrawObject d;
    const IPoint p { 100, 100 };
    d.AddLine({ 0, 100 }, { 200, 100 }, 15);
    NShpPolyLine& curve = d.AddPolyLine();
    curve.Points() = { { 0.0f, 100.0f }, { 200.0f, 100.0f } };
    d.AddShape(std::make_unique<NShpDisk>(p, 50));
    NShpText& text = d.AddText({ 50, 150, 150, 50 }, 4, 1, {}, -1, false);
    NShpRectangle& rect = d.AddRectangle({ 80, 120, 120, 80 }, 0, 0, {});

    EXPECT_EQ(d.HitTest(p, HitSlot::Alternative), &rect); // the text is not selectable there
    EXPECT_EQ(d.HitTest(p, HitSlot::Ordinary), &text); // the older text wins
    text.SetSelectable(HitSlot::Ordinary, false);
    EXPECT_EQ(d.HitTest(p, HitSlot::Ordinary), &rect);
    rect.SetSelectable(HitSlot::Ordinary, false);
    EXPECT_EQ(d.HitTest(p, HitSlot::Ordinary), nullptr); // the line, curve and disk still cover p
}

TEST(CDrawObject, RectangleHitExcludesRightAndBottomEdges)
{
    CDrawObject d;
    NShpRectangle& rect = d.AddRectangle({ 10, 30, 20, 10 }, 0, 0, {});
    EXPECT_EQ(d.HitTest({ 10, 10 }, HitSlot::Ordinary), &rect);
    EXPECT_EQ(d.HitTest({ 19, 29 }, HitSlot::Ordinary), &rect);
    EXPECT_EQ(d.HitTest({ 20, 15 }, HitSlot::Ordinary), nullptr);
    EXPECT_EQ(d.HitTest({ 15, 30 }, HitSlot::Ordinary), nullptr);
}

TEST(CDrawObject, RemoveShapeUnlinksWithoutDestroying)
{
    CDrawObject d;
    NShpRectangle& box = d.AddInfoBox({ 0, 10, 10, 0 });
    std::unique_ptr<NShape> kept = d.RemoveShape(&box);
    EXPECT_EQ(kept.get(), &box);
    EXPECT_EQ(d.ShapeCount(), 0);
    EXPECT_EQ(d.RemoveShape(kept.get()), nullptr);
}

TEST(CDrawObject, TextTakesItsOwnersName)
{
    CDrawObject d;
    GElement element;
    element.SetName("Brique");
    const NShpText& named = d.AddText({ 0, 10, 10, 0 }, 4, 1, &element, 7, true);
    EXPECT_EQ(named.Text(), "Brique");
    EXPECT_EQ(named.OwnerAs<GElement>(), &element);
    EXPECT_FALSE(d.AddText({ 0, 10, 10, 0 }, 4, 1, {}, -1, true).Text().has_value());
}

TEST(NShpText, UnsetAndEmptyTextsDrawNothing)
{
    for (const Label& text : { Label(), Label("") }) {
        CDrawObject d;
        MapOneToOne(d);
        d.AddText({ 0, 400, 400, 0 }, 4, 1, {}, -1, false).SetText(text);
        const QImage image = Render(d);
        EXPECT_EQ(CountDifferent(image, image.rect(), Qt::white), 0) << text.has_value();
    }
    CDrawObject d;
    MapOneToOne(d);
    d.AddText({ 0, 400, 400, 0 }, 4, 1, {}, -1, false).SetText("T (°C)");
    const QImage image = Render(d);
    EXPECT_GT(CountPixels(image, image.rect(), test::IsDarkInk), 100);
}

TEST(NShpText, TextThatCannotFitUsesTheSmallestFont)
{
    CDrawObject d;
    MapOneToOne(d);
    // A 30 by 3 box is too small for the smallest font; the label must not grow past it
    // more than the smallest font's own width.
    NShpText& label = d.AddText({ 100, 203, 130, 200 }, 4, 1, {}, -1, false);
    label.SetText("ABCDEFGHIJKLMNOP");
    label.SetAlignment(TextAlign::Start, TextAlign::Start);
    const QImage image = Render(d);
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    painter.setFont(FontLadder::SansSerif().At(0));
    const int smallestWidth = painter.fontMetrics().horizontalAdvance("ABCDEFGHIJKLMNOP");
    painter.setFont(FontLadder::SansSerif().At(1));
    ASSERT_GT(painter.fontMetrics().horizontalAdvance("ABCDEFGHIJKLMNOP"), 30);
    EXPECT_GT(CountDifferent(image, image.rect(), Qt::white), 0);
    EXPECT_EQ(CountDifferent(image, QRect(100 + smallestWidth + 2, 0, 300, 400), Qt::white), 0);
    EXPECT_EQ(FontLadder::SansSerif().FitIndex(painter, 30, 3, "ABCDEFGHIJKLMNOP"), 0);
}

TEST(FontLadder, KeepsTheLargestFontThatFits)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    const FontLadder& ladder = FontLadder::SansSerif();
    const QString text = "Abscisse";
    const int index = ladder.FitIndex(painter, 120, 40, text);
    auto fits = [&](int i) {
        const QFontMetrics m(ladder.At(i), &probe);
        return m.horizontalAdvance(text) <= 120 && m.height() <= 40;
    };
    EXPECT_TRUE(fits(index));
    EXPECT_FALSE(fits(index + 1));
}

TEST(NShpRectangle, FramedLabelShowsOnlyItsFrameShiftedInsideTheWorld)
{
    CDrawObject d;
    MapOneToOne(d);
    // Centred in a box that starts far left of the world, the frame would begin at a
    // negative x; it is moved to start at world x = 10.
    NShpRectangle& box = d.AddInfoBox({ -300, 220, 200, 180 });
    box.SetText("C=1.75 W/m.K");
    const QImage image = Render(d);
    const QColor fill(255, 255, 128);
    EXPECT_EQ(CountDifferent(image, QRect(0, 0, 9, 400), Qt::white), 0);
    EXPECT_GT(CountPixels(image, QRect(9, 170, 3, 60), test::IsDarkInk), 5);
    EXPECT_GT(CountColour(image, image.rect(), fill), 50);
    // The whole box is not filled: its far corner stays white.
    EXPECT_EQ(image.pixelColor(195, 219), QColor(Qt::white));
}

TEST(NShpRectangle, EmptyTextGivesAPlainFilledRectangle)
{
    CDrawObject d;
    MapOneToOne(d);
    const Colour brick = MakeColour(208, 73, 34);
    d.AddRectangle({ 100, 300, 200, 100 }, brick, brick, {});
    const QImage image = Render(d);
    // Device columns 100..199 and rows 100..299, give or take the one-unit truncation of
    // mapped coordinates.
    EXPECT_EQ(CountColour(image, QRect(101, 101, 97, 197), QColor(208, 73, 34)), 97 * 197);
    EXPECT_EQ(CountDifferent(image, QRect(0, 0, 98, 400), Qt::white), 0);
    EXPECT_EQ(CountDifferent(image, QRect(201, 0, 199, 400), Qt::white), 0);
    EXPECT_EQ(CountDifferent(image, QRect(0, 301, 400, 99), Qt::white), 0);
}

TEST(NShpRectangle, WhiteFlagFillsWithWhite)
{
    CDrawObject d;
    MapOneToOne(d);
    NShpRectangle& r = d.AddRectangle({ 100, 300, 200, 100 }, 0, MakeColour(0, 0, 255), {});
    r.SetWhite(true);
    const QImage image = Render(d);
    EXPECT_EQ(image.pixelColor(150, 200), QColor(Qt::white));
    EXPECT_EQ(CountColour(image, image.rect(), QColor(0, 0, 255)), 0);
}

TEST(NShpPolyLine, FewerThanTwoPointsOrEndIndexZeroDrawNothing)
{
    CDrawObject d;
    MapOneToOne(d);
    NShpPolyLine& curve = d.AddPolyLine();
    curve.SetColour(MakeColour(255, 0, 0));
    curve.Points() = { { 50.0f, 200.0f } };
    EXPECT_EQ(CountDifferent(Render(d), QRect(0, 0, 400, 400), Qt::white), 0);

    curve.Points() = { { 50.0f, 200.0f }, { 150.0f, 200.0f }, { 150.0f, 100.0f } };
    curve.SetEndIndex(0);
    EXPECT_EQ(CountDifferent(Render(d), QRect(0, 0, 400, 400), Qt::white), 0);

    // End index 2: only the horizontal segment at device row 200.
    curve.SetEndIndex(2);
    QImage image = Render(d);
    EXPECT_GE(CountColour(image, QRect(50, 199, 101, 3), Qt::red), 100);
    EXPECT_EQ(CountColour(image, QRect(140, 210, 20, 100), Qt::red), 0);

    curve.SetVisible(false);
    EXPECT_EQ(CountDifferent(Render(d), QRect(0, 0, 400, 400), Qt::white), 0);
}

TEST(NShpPolyLine, YValuesNeverChangeXValues)
{
    NShpPolyLine curve;
    curve.SetDataRange(0.0f, 0.0f, 10.0f, 100.0f);
    curve.SetPlotRectangle({ 100, 200 }, { 600, 700 });
    curve.SetYValues(std::vector<float> { 0.0f, 50.0f, 100.0f });
    curve.SetXFromIndex();
    EXPECT_NEAR(curve.Points()[2].x, 200.0f, 0.01f); // 100 + 2 * 50
    EXPECT_NEAR(curve.Points()[1].y, 450.0f, 0.01f); // 200 + 50 * 5
    curve.SetYValues(std::vector<float> { 100.0f, 0.0f, 0.0f, 20.0f });
    EXPECT_NEAR(curve.Points()[2].x, 200.0f, 0.01f);
    EXPECT_EQ(curve.Points().size(), 4u);
    EXPECT_EQ(curve.EndIndex(), 4);
    EXPECT_NEAR(curve.Points()[0].y, 700.0f, 0.01f);
}

} // namespace
} // namespace quelvan::graphics
