#include "ui/main/MainWindow.h"
#include "UiTestSupport.h"
#include "graphics/NShpRectangle.h"
#include "model/KslDoc.h"
#include "ui/main/KslView.h"
#include "ui/shell/HelpSupport.h"
#include "ui/widgets/ControlNames.h"

#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

TEST(MainWindow, CannotShrinkBelowItsMinimumAndBoxesFillTheWidth)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    window.resize(500, 300);
    EXPECT_EQ(window.size(), QSize(780, 500));
    KslView& view = window.View();
    ASSERT_EQ(view.width(), 780);
    // The third box ends 7 pixels from the right edge at the frame's minimum width.
    const QRect interior = view.findChild<QGroupBox*>(ControlName(1080))->geometry();
    EXPECT_EQ(view.width() - (interior.x() + interior.width()), 7);
    const QRect square = view.DrawingSquare();
    EXPECT_EQ(square.width(), square.height());
    EXPECT_GE(square.top(), 126);
}

TEST(MainWindow, PressOnALayerShowsItsConductivityAndResistance)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    KslView& view = window.View();
    const QRect square = view.DrawingSquare();
    // Outside every layer: nothing.
    QTest::mousePress(&view, Qt::LeftButton, {}, square.topLeft() + QPoint(2, 2));
    EXPECT_EQ(view.InfoBox(), nullptr);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, square.topLeft() + QPoint(2, 2));
    // The first layer (heavy concrete, 200 mm, 2 W/m.K) starts at the left of the wall.
    const QPoint onFirst(square.left() + square.width() / 8 + 10, square.center().y());
    QTest::mousePress(&view, Qt::LeftButton, {}, onFirst);
    ASSERT_NE(view.InfoBox(), nullptr);
    const NMaterialLayer& first = window.Document().layers.At(0);
    EXPECT_EQ(
        view.InfoBox()->Text(), "C=" + first.Material()->Conductivity() + " W/m.K, R=0.1 m².K/W");
    QTest::mouseRelease(&view, Qt::LeftButton, {}, onFirst);
    EXPECT_EQ(view.InfoBox(), nullptr);
}

TEST(MainWindow, ZeroConductivityGivesALargeResistanceNotAFailure)
{
    CMaterial vacuum(3001, 0, "Vide", "0", "1", "1");
    NMaterialLayer layer(&vacuum, "10");
    // 0.01 m / 1e-7 = 100000, shown with three significant digits once four are too long.
    EXPECT_EQ(KslView::LayerInfoText(layer), QStringLiteral("C=0 W/m.K, R=100000 m².K/W"));
}

TEST(Help, ContextNumbersOpenTheirPagesAndOthersTheContents)
{
    EXPECT_EQ(HelpPageFor(HelpTopic::Absorption), QStringLiteral("qrc:/help/h13080.html"));
    EXPECT_EQ(HelpPageFor(HelpTopic::Contents), QStringLiteral("qrc:/help/contents.html"));
    EXPECT_EQ(HelpPageFor(static_cast<HelpTopic>(4242)), QStringLiteral("qrc:/help/contents.html"));
    for (const HelpTopic topic : kHelpTopics)
        EXPECT_NE(HelpPageFor(topic), QStringLiteral("qrc:/help/contents.html"))
            << static_cast<int>(topic);
}

} // namespace
