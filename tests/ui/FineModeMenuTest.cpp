// "Calcul fin" in the "Données" menu: remembered in the settings, read when a calculation is
// prepared, locked with the menu in calculation mode and shown in the status bar and on the
// charts.
#include "UiTestSupport.h"
#include "ui/main/CalculationModeSetting.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;

namespace {

TEST(FineModeMenu, RememberedReadAtPreparationAndShownDuringTheCalculation)
{
    StoreCalculationMode(CalculationMode::Standard);
    test::ScriptedPrompter prompter;
    MainWindow window(&prompter);
    QAction* fine = window.Action(QStringLiteral("actionFineMode"));
    ASSERT_NE(fine, nullptr);
    EXPECT_TRUE(window.DataMenu()->actions().contains(fine));
    EXPECT_TRUE(fine->isCheckable());
    EXPECT_FALSE(fine->isChecked());
    auto* indicator = window.statusBar()->findChild<QLabel*>(QStringLiteral("fineModeIndicator"));
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->text(), QStringLiteral("Calcul fin"));

    fine->setChecked(true);
    EXPECT_EQ(StoredCalculationMode(), CalculationMode::Fine);
    EXPECT_TRUE(MainWindow(&prompter).Action(QStringLiteral("actionFineMode"))->isChecked());

    window.show();
    window.View().SetCalculationMode(true);
    const RunView& run = window.View().Runner().Engine().View();
    EXPECT_EQ(run.mode, CalculationMode::Fine);
    EXPECT_FALSE(window.DataMenu()->isEnabled());
    EXPECT_TRUE(indicator->isVisible());
    // On the charts too: a label in the profile's corner, the flux window's title.
    const QRect square = window.View().DrawingSquare();
    const QPoint corner = square.topRight() + QPoint(-6, 6);
    EXPECT_EQ(window.View().grab().toImage().pixelColor(corner), QColor(255, 255, 225));
    EXPECT_TRUE(window.View().Tracer()->windowTitle().endsWith(QStringLiteral(" (calcul fin)")));
    window.View().Runner().Engine().AdvanceHour(window.Document(), true, true);
    EXPECT_EQ(run.hours, 2);

    window.View().SetCalculationMode(false);
    EXPECT_FALSE(indicator->isVisible());
    fine->setChecked(false);
    window.View().SetCalculationMode(true);
    EXPECT_EQ(run.mode, CalculationMode::Standard);
    EXPECT_FALSE(indicator->isVisible());
    EXPECT_NE(window.View().grab().toImage().pixelColor(corner), QColor(255, 255, 225));
    EXPECT_EQ(window.View().Tracer()->windowTitle(),
        QStringLiteral("Densités de flux de surface au cours du temps"));
    window.View().SetCalculationMode(false);
}

} // namespace
