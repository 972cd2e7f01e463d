// Printing before the week is computed: the curve pages would be empty, so the desktop says so
// and offers to compute the week (the run starts, nothing is printed yet) or to print the
// project's data only; with a run, the chosen pages print as they are.
#include "UiTestSupport.h"
#include "core/Messages.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "printing/ReportPages.h"
#include "support/TempFolder.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"

#include <QFileDialog>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

class PrintWithoutRun : public ::testing::Test {
protected:
    PrintWithoutRun()
    {
        window.View().Runner().SetTimerDriven(false);
        prompter.onDialog = quelvan::ui::test::ChooseFile(ToQ(pdf));
    }
    // The pages of the PDF written, -1 when none was.
    int PdfPages() const
    {
        const std::string bytes = quelvan::test::ReadBytes(pdf);
        if (bytes.rfind("%PDF", 0) != 0)
            return -1;
        return static_cast<int>(
            QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type /Page\\b"))));
    }

    quelvan::test::TempFolder temp { "print-without-run" };
    const std::string pdf = temp.File("rapport.pdf");
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(PrintWithoutRun, NoPrintsTheProjectDataOnly)
{
    // The new project's choices: the last 24 hours and the wall's values, both curves.
    ASSERT_TRUE(printing::ChoosesRunPages(window.Document().printChoices));
    prompter.answers.push_back(Prompter::Answer::No);
    window.ExportPdf();
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(prompter.questions.front(), ToQ(msg::kWeekNotComputed));
    EXPECT_EQ(PdfPages(), 1);
    // The project's own choices are kept for when the week is computed.
    EXPECT_TRUE(printing::ChoosesRunPages(window.Document().printChoices));
}

TEST_F(PrintWithoutRun, YesStartsTheWeekAndPrintsNothingYetCancelNothingAtAll)
{
    prompter.answers.push_back(Prompter::Answer::Cancel);
    window.ExportPdf();
    EXPECT_EQ(PdfPages(), -1);
    EXPECT_FALSE(window.View().IsCalculationMode());

    prompter.answers.push_back(Prompter::Answer::Yes);
    window.ExportPdf();
    EXPECT_EQ(PdfPages(), -1);
    EXPECT_TRUE(window.View().IsCalculationMode());
    EXPECT_EQ(window.View().Runner().State(), RunState::Running);
}

TEST_F(PrintWithoutRun, AComputedWeekPrintsTheChosenPagesWithoutAsking)
{
    CalculationRunner& runner = window.View().Runner();
    double now = 0.0;
    runner.SetClock([&now] { return now; });
    window.View().SetCalculationMode(true);
    ASSERT_TRUE(window.View().IsCalculationMode());
    runner.PressRun();
    for (int i = 0; i < 5000 && runner.State() == RunState::Running; ++i) {
        now += 0.1;
        runner.PollOnce();
    }
    ASSERT_GT(runner.Engine().View().hours, 1);
    window.ExportPdf();
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_EQ(PdfPages(), 2);
}

} // namespace
