#include "UiTestSupport.h"
#include "core/NumberText.h"
#include "model/KslDoc.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ControlNames.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

// Drives the form's buttons with a fake clock: every poll is one turn of the pacing loop.
class RunPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        runner().SetClock([this] { return now; });
        runner().SetTimerDriven(false);
        window.show();
    }
    CalculationRunner& runner() { return window.View().Runner(); }
    QPushButton* Button(int id) { return window.View().findChild<QPushButton*>(ControlName(id)); }
    QString Value(int id) { return window.View().findChild<QLabel*>(ControlName(id))->text(); }
    void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }
    // Lets the clock run for n intervals, polling once per interval.
    void Poll(int n)
    {
        for (int i = 0; i < n; ++i) {
            now += 0.1;
            runner().PollOnce();
        }
    }
    int Hours() { return runner().Engine().View().hours; }
    // The read-outs show the last recorded hour of the engine's series.
    void ExpectReadoutsMatchSeries()
    {
        const RunView& run = runner().Engine().View();
        const float text = run.Series(SeriesId::ExteriorTemperature).back();
        const float tint = run.Series(SeriesId::InteriorTemperature).back();
        EXPECT_EQ(Value(1091).toStdString(), FormatNumber(text, SignificantDigits { 3 }, true));
        EXPECT_EQ(Value(1090).toStdString(), FormatNumber(tint, SignificantDigits { 3 }, true));
        EXPECT_EQ(Value(1092).toStdString(), run.Readouts().hour);
        EXPECT_EQ(Value(1089).toStdString(), run.Readouts().day);
        for (int s = 0; s < kSeriesCount; ++s)
            EXPECT_EQ(run.Series(static_cast<SeriesId>(s)).size(), static_cast<size_t>(Hours()));
        EXPECT_EQ(window.Document().nextResultsRow, Hours() + 1);
    }

    double now = 0.0;
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(RunPath, NewProjectThroughRunPauseStepResumeStopAndReinitialise)
{
    EXPECT_EQ(runner().State(), RunState::Idle);
    EXPECT_FALSE(Button(1075)->isEnabled());
    Click(1058);
    EXPECT_EQ(Button(1058)->text(), QStringLiteral("Mode Saisie"));
    EXPECT_EQ(runner().State(), RunState::Ready);
    EXPECT_EQ(Hours(), 1); // the steady state is hour 0
    EXPECT_FALSE(window.DataMenu()->isEnabled());
    ASSERT_NE(window.View().Tracer(), nullptr);
    EXPECT_FALSE(Button(1078)->isEnabled()); // the tracer is already shown
    ExpectReadoutsMatchSeries();

    Click(1075);
    EXPECT_EQ(runner().State(), RunState::Running);
    EXPECT_EQ(Button(1075)->text(), QStringLiteral("Pause"));
    EXPECT_FALSE(Button(1073)->isEnabled());
    Poll(5);
    EXPECT_EQ(Hours(), 6);
    ExpectReadoutsMatchSeries();
    EXPECT_EQ(window.View().Tracer()->HourCount(), 6);

    Click(1075);
    EXPECT_EQ(runner().State(), RunState::Paused);
    EXPECT_EQ(Button(1075)->text(), QStringLiteral("Reprise"));
    // The turn that sees the pause may still make its step; then nothing more.
    Poll(1);
    const int paused = Hours();
    EXPECT_LE(paused, 7);
    Poll(5);
    EXPECT_EQ(Hours(), paused);

    // Two presses within one interval give one step.
    ASSERT_TRUE(Button(1073)->isEnabled());
    Click(1073);
    Click(1073);
    Poll(4);
    EXPECT_EQ(Hours(), paused + 1);
    ExpectReadoutsMatchSeries();

    Click(1075);
    EXPECT_EQ(runner().State(), RunState::Running);
    Poll(3);
    EXPECT_EQ(Hours(), paused + 3); // the turn that sees the resume makes no step

    Click(1077);
    Poll(2);
    EXPECT_EQ(runner().State(), RunState::Finished);
    EXPECT_EQ(Button(1075)->text(), QStringLiteral("ReInitialise"));
    EXPECT_FALSE(Button(1077)->isEnabled());
    EXPECT_GE(Hours(), paused + 3);
    const int kept = Hours();
    Poll(3);
    EXPECT_EQ(Hours(), kept); // the run is over

    Click(1075);
    EXPECT_EQ(runner().State(), RunState::Ready);
    EXPECT_EQ(Hours(), 1);
    EXPECT_EQ(window.Document().nextResultsRow, 2);
}

TEST_F(RunPath, LeavingTheModeWhileRunningStopsTheRunFirst)
{
    Click(1058);
    Click(1075);
    Poll(3);
    ASSERT_TRUE(runner().IsPacing());
    Click(1058);
    EXPECT_FALSE(runner().IsPacing());
    EXPECT_EQ(runner().State(), RunState::Idle);
    EXPECT_EQ(Button(1058)->text(), QStringLiteral("Mode Calcul"));
    EXPECT_EQ(Button(1075)->text(), QStringLiteral("Lance Calcul"));
    EXPECT_TRUE(window.DataMenu()->isEnabled());
    EXPECT_TRUE(window.View().findChild<QWidget*>(ControlName(1001))->isEnabled());
    EXPECT_EQ(window.View().Tracer(), nullptr);
    const int hours = Hours();
    Poll(5);
    EXPECT_EQ(Hours(), hours);
}

TEST_F(RunPath, ClosingTheTracerEnablesItsButtonAndTheButtonBringsItBack)
{
    Click(1058);
    ASSERT_NE(window.View().Tracer(), nullptr);
    EXPECT_FALSE(Button(1078)->isEnabled());
    window.View().Tracer()->close();
    EXPECT_EQ(window.View().Tracer(), nullptr);
    EXPECT_TRUE(Button(1078)->isEnabled());
    Click(1078);
    ASSERT_NE(window.View().Tracer(), nullptr);
    EXPECT_FALSE(Button(1078)->isEnabled());
    Click(1075);
    Poll(2);
    EXPECT_EQ(window.View().Tracer()->HourCount(), Hours());
}

TEST_F(RunPath, ASurfaceResistanceBelowWhatSinglePrecisionResolvesIsSaidOnceOnEntering)
{
    window.Document().surfaces.resistanceExterior = "0";
    window.View().LoadControls();
    Click(1058);
    EXPECT_EQ(runner().State(), RunState::Ready); // a warning: the calculation is ready
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages.back().icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(prompter.messages.back().text.contains(
        QStringLiteral("résistance superficielle extérieure « 0 »")));
    EXPECT_TRUE(prompter.messages.back().text.contains(QStringLiteral("calcul fin")));
    Click(1075); // run, stop: the re-initialisation says nothing more
    Click(1077);
    Poll(1);
    Click(1075);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

} // namespace
