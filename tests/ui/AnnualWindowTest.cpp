// The annual balance window: opened from the "Données" menu, it computes the year off the
// interface thread and then shows the core's figures for the form's project; its buttons copy
// the table and export the hours, never over the project; a refused wall shows the check's
// message; a window closed or asked again while its year runs stops that year. The print choice
// adds the annual page to the report.
#include "UiTestSupport.h"
#include "core/Messages.h"
#include "engine/annual/AnnualBalanceText.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/NMaterialLayer.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/main/MainWindow.h"
#include "ui/project/PrintChoiceDialog.h"
#include "ui/project/ProjectController.h"
#include "ui/project/ReportChoiceSetting.h"
#include "ui/studies/AnnualBalanceWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

class AnnualWindow : public ::testing::Test {
protected:
    // Opens the window from the menu and lets the year finish (or fail).
    AnnualBalanceWindow& OpenAndWait()
    {
        window.Action(QStringLiteral("actionAnnualBalance"))->trigger();
        AnnualBalanceWindow* annual = window.AnnualWindow();
        EXPECT_NE(annual, nullptr);
        QElapsedTimer clock;
        clock.start();
        while (annual->IsComputing() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_FALSE(annual->IsComputing());
        return *annual;
    }
    // Saves the export dialog's choice of that file.
    void ExportTo(AnnualBalanceWindow& annual, const std::string& path)
    {
        prompter.onDialog = quelvan::ui::test::ChooseFile(ToQ(path));
        annual.findChild<QPushButton*>(QStringLiteral("exportHours"))->click();
    }

    quelvan::test::TempFolder temp { "annual-window" };
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(AnnualWindow, ShowsTheCoreYearAndCopiesAndExportsIt)
{
    window.show();
    AnnualBalanceWindow& annual = OpenAndWait();
    EXPECT_FALSE(annual.isModal());
    ASSERT_TRUE(annual.Result());
    EXPECT_TRUE(annual.Refusal().isEmpty());

    const KslDoc& doc = window.Document();
    const auto problem
        = annual::PrepareAnnualBalance(doc, InputsFromDocument(doc), CalculationMode::Fine);
    const auto expected = annual::RunAnnualBalance(problem.value()).value();
    const QTableWidget* table = annual.Table();
    ASSERT_EQ(table->rowCount(), kMonthCount + 1);
    for (int row = 0; row < table->rowCount(); ++row) {
        const annual::BalanceFigures& f = row < kMonthCount
            ? expected.figures.months[static_cast<size_t>(row)]
            : expected.figures.year;
        for (int c = 0; c < table->columnCount(); ++c)
            EXPECT_EQ(table->item(row, c)->text().toStdString(),
                annual::BalanceCellText(annual::kBalanceColumns[static_cast<size_t>(c)], f))
                << row << " " << c;
    }

    annual.findChild<QPushButton*>(QStringLiteral("copyTable"))->click();
    EXPECT_EQ(
        QApplication::clipboard()->text().toStdString(), annual::BalanceTabSeparated(expected));

    ExportTo(annual, temp.File("heures.csv"));
    EXPECT_EQ(quelvan::test::ReadBytes(temp.File("heures.csv")), annual::HourlyCsv(expected.hours));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(AnnualWindow, NeverExportsOverTheProject)
{
    const std::string project = temp.File("p.ksl");
    ASSERT_EQ(WriteProjectFile(window.Document(), project), WriteResult::Ok);
    ASSERT_TRUE(window.OpenPath(ToQ(project)));
    const std::string before = quelvan::test::ReadBytes(project);
    AnnualBalanceWindow& annual = OpenAndWait();
    ExportTo(annual, project);
    EXPECT_EQ(quelvan::test::ReadBytes(project), before);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("Écriture refusée : « ")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("est le fichier lu")));
}

TEST_F(AnnualWindow, ARefusedWallShowsTheCheckMessage)
{
    window.Document().layers.At(1).SetThickness("0");
    AnnualBalanceWindow& annual = OpenAndWait();
    EXPECT_FALSE(annual.Result());
    EXPECT_TRUE(annual.Refusal().contains(ToQ(msg::kCalculationImpossible)))
        << annual.Refusal().toStdString();
    EXPECT_FALSE(annual.findChild<QPushButton*>(QStringLiteral("copyTable"))->isEnabled());
}

TEST_F(AnnualWindow, ClosingWhileTheYearRunsStopsIt)
{
    window.Action(QStringLiteral("actionAnnualBalance"))->trigger();
    AnnualBalanceWindow* annual = window.AnnualWindow();
    ASSERT_NE(annual, nullptr);
    EXPECT_TRUE(annual->IsComputing());
    delete annual;
    EXPECT_EQ(window.AnnualWindow(), nullptr);
    QApplication::processEvents();
    // A new window starts again; asked again while it runs, it drops the first year and shows
    // the second.
    window.Action(QStringLiteral("actionAnnualBalance"))->trigger();
    EXPECT_TRUE(window.AnnualWindow()->IsComputing());
    AnnualBalanceWindow& again = OpenAndWait();
    ASSERT_TRUE(again.Result());
    EXPECT_EQ(again.Result()->passes, 2);
    EXPECT_FALSE(again.IsComputing());
}

TEST_F(AnnualWindow, ThePrintChoiceAddsTheAnnualPageToTheReport)
{
    // Only the annual balance ticked: a report of one page, no refusal.
    prompter.onDialog = ui::test::AcceptAs<PrintChoiceDialog>([](PrintChoiceDialog& dialog) {
        EXPECT_FALSE(dialog.AnnualBalanceChecked());
        for (int flag = 0; flag < PrintChoiceDialog::kChoiceCount; ++flag)
            dialog.SetChecked(flag, false);
        dialog.SetAnnualBalanceChecked(true);
    });
    ASSERT_TRUE(window.Controller().PrintChoice());
    EXPECT_TRUE(StoredAnnualBalanceChoice());
    for (const auto flag : window.Document().printChoices)
        EXPECT_EQ(flag, 0);

    const std::string pdf = temp.File("rapport.pdf");
    prompter.onDialog = quelvan::ui::test::ChooseFile(ToQ(pdf));
    window.ExportPdf();
    EXPECT_TRUE(prompter.messages.empty());
    const std::string bytes = quelvan::test::ReadBytes(pdf);
    EXPECT_NE(bytes.find("/Count 1"), std::string::npos);

    // The dialog shows the stored choice; unticked, nothing is left to print.
    prompter.onDialog = ui::test::AcceptAs<PrintChoiceDialog>([](PrintChoiceDialog& dialog) {
        EXPECT_TRUE(dialog.AnnualBalanceChecked());
        dialog.SetAnnualBalanceChecked(false);
    });
    ASSERT_TRUE(window.Controller().PrintChoice());
    EXPECT_FALSE(StoredAnnualBalanceChoice());
    window.ExportPdf();
    EXPECT_TRUE(prompter.HasMessage(ToQ(msg::kNoPrintSelection)));
}

} // namespace
