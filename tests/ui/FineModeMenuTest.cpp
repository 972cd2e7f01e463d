// "Calcul fin" in the "Données" menu: remembered in the settings, read when a calculation is
// prepared, locked with the menu in calculation mode and shown in the status bar.
#include "UiTestSupport.h"
#include "ui/CalculationModeSetting.h"
#include "ui/CalculationRunner.h"
#include "ui/KslView.h"
#include "ui/MainWindow.h"

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
    window.View().Runner().Engine().AdvanceHour(window.Document(), true, true);
    EXPECT_EQ(run.hours, 2);

    window.View().SetCalculationMode(false);
    EXPECT_FALSE(indicator->isVisible());
    fine->setChecked(false);
    window.View().SetCalculationMode(true);
    EXPECT_EQ(run.mode, CalculationMode::Standard);
    EXPECT_FALSE(indicator->isVisible());
    window.View().SetCalculationMode(false);
}

} // namespace
