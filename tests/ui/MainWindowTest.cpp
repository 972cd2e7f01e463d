#include "ui/main/MainWindow.h"
#include "UiTestSupport.h"
#include "graphics/NShpRectangle.h"
#include "model/KslDoc.h"
#include "ui/main/KslView.h"
#include "ui/shell/HelpSupport.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

TEST(MainWindow, PressOnALayerShowsItsConductivityAndResistance)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    KslView& view = window.View();
    const QRect square = view.DrawingSquare();
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
    EXPECT_EQ(HelpPageFor(static_cast<HelpTopic>(4242)), QStringLiteral("qrc:/help/contents.html"));
    for (const HelpTopic topic : kHelpTopics)
        EXPECT_NE(HelpPageFor(topic), QStringLiteral("qrc:/help/contents.html"))
            << static_cast<int>(topic);
}

} // namespace
