// Results belong to the calculation they came from. A save writes the results file only for a
// calculation of the project as it is saved; after an edit the results are another wall's, and
// the results file beside the project follows the rule of a save without results (kept while it
// holds this project's results, removed otherwise). The annual window follows edits and undo.
#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Cell `column` of hour `hour` in the text of a results file.
QString ResultCell(const QByteArray& results, int hour, int column)
{
    const QList<QByteArray> lines = results.split('\n');
    if (lines.size() <= hour + 1)
        return {};
    return QString::fromUtf8(lines[hour + 1].trimmed()).split(QLatin1Char('\t')).value(column);
}

class StaleResults : public ::testing::Test {
protected:
    void SetUp() override
    {
        runner().SetClock([this] { return now; });
        runner().SetTimerDriven(false);
        window.show();
        window.Document().referencesConfirmed = true;
        prompter.saveNames.push_back(Path("mur.ksl"));
        window.SaveProject();
        ASSERT_TRUE(QFile::exists(Path("mur.ksl")));
    }
    QString Path(const char* name) const { return dir.filePath(ToQ(name)); }
    CalculationRunner& runner() { return window.View().Runner(); }
    void Click(int id)
    {
        QTest::mouseClick(window.View().findChild<QPushButton*>(ControlName(id)), Qt::LeftButton);
    }
    // "Mode Calcul", n hours run ("Lance Calcul"), back to the input mode.
    void RunHours(int n)
    {
        Click(1058);
        if (n > 0) {
            Click(1075);
            while (runner().Engine().View().hours <= n) {
                now += 0.1;
                runner().PollOnce();
            }
            Click(1075); // pause
        }
        Click(1058);
    }
    void Retype(int id, const char* text)
    {
        auto* edit = window.findChild<NumberEdit*>(ControlName(id));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, ToQ(text));
        QTest::keyClick(edit, Qt::Key_Tab); // the field's step ends
    }
    void Undo() { window.Action(QStringLiteral("actionUndo"))->trigger(); }

    double now = 0.0;
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(StaleResults, AnEditAfterTheRunNeverSavesTheEarlierRunAsTheProjects)
{
    RunHours(20);
    window.SaveProject();
    const QByteArray computed = ReadAll(Path("mur.res"));
    ASSERT_NE(ResultCell(computed, 14, 2), QStringLiteral("0")); // TSE at hour 14
    ASSERT_EQ(ResultCell(computed, 14, 0), QStringLiteral("14"));

    // The absorption read by that run changes: the results are another wall's. The file beside
    // the project held the earlier project's results, so it goes.
    Retype(1003, "0.9");
    window.SaveProject();
    EXPECT_FALSE(QFile::exists(Path("mur.res")));
    EXPECT_TRUE(prompter.messages.empty());

    // Undone back to the computed state, the results are the project's again.
    Undo();
    ASSERT_EQ(window.Document().surfaces.absorptionExterior, "0.4");
    window.SaveProject();
    EXPECT_EQ(ReadAll(Path("mur.res")), computed);

    // "Enregistrer sous" after an edit: no results file beside the new project either.
    Retype(1003, "0.9");
    prompter.saveNames.push_back(Path("autre.ksl"));
    window.SaveProjectAs();
    EXPECT_TRUE(QFile::exists(Path("autre.ksl")));
    EXPECT_FALSE(QFile::exists(Path("autre.res")));
}

// "Mode Calcul" records the initial state only: no calculation to save, and the results file of
// this same project stays as it was.
TEST_F(StaleResults, AnInitialStateAloneKeepsThePreviousResultsFile)
{
    RunHours(30);
    window.SaveProject();
    const QByteArray computed = ReadAll(Path("mur.res"));
    ASSERT_EQ(ResultCell(computed, 30, 0), QStringLiteral("30"));
    RunHours(0);
    EXPECT_TRUE(window.Document().HasResults());
    window.SaveProject();
    EXPECT_EQ(ReadAll(Path("mur.res")), computed);
}

// The week's results stay the project's through an edit of what no calculation reads.
TEST_F(StaleResults, AnEditOfTheReferencesKeepsTheResults)
{
    RunHours(5);
    window.Document().author = "Autre auteur";
    window.SaveProject();
    EXPECT_EQ(ResultCell(ReadAll(Path("mur.res")), 5, 0), QStringLiteral("5"));
}

// The annual window follows the form and the history: its figures are marked out of date at
// once, then computed again for the project as it is.
TEST_F(StaleResults, TheAnnualWindowFollowsEditsAndUndo)
{
    const auto waitUpToDate = [](AnnualBalanceWindow& annual) {
        QElapsedTimer clock;
        clock.start();
        while (!annual.IsUpToDate() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return annual.IsUpToDate();
    };
    window.Action(QStringLiteral("actionAnnualBalance"))->trigger();
    AnnualBalanceWindow* annual = window.AnnualWindow();
    ASSERT_NE(annual, nullptr);
    ASSERT_TRUE(waitUpToDate(*annual));
    const auto yearRow = [annual] {
        const QTableWidget* table = annual->Table();
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(table->rowCount() - 1, c)->text();
        return cells.join(QLatin1Char(' '));
    };
    const QString before = yearRow();

    Retype(1002, "2"); // a far larger exterior surface resistance
    EXPECT_FALSE(annual->IsUpToDate());
    EXPECT_FALSE(annual->Table()->isEnabled()); // greyed while out of date
    ASSERT_TRUE(waitUpToDate(*annual));
    EXPECT_TRUE(annual->Table()->isEnabled());
    EXPECT_NE(yearRow(), before);

    Undo();
    EXPECT_FALSE(annual->IsUpToDate());
    ASSERT_TRUE(waitUpToDate(*annual));
    EXPECT_EQ(yearRow(), before);
}

} // namespace
