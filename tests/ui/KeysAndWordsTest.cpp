// The keyboard and the words of the desktop: every menu entry of the main window and of the
// list dialogs has a key of its own, the "Édition" menu opens with Alt+E on any keyboard
// without typing into the focused field, the status bar forgets an exported report when a new
// project starts, weather ambiances are named as French elides "de", and a chart of the year that
// is never filled shows no placeholder title.
#include "UiTestSupport.h"
#include "graphics/AnnualBalancePlots.h"
#include "graphics/NShpText.h"
#include "graphics/QtStrings.h"
#include "model/CBCData.h"
#include "model/KslDoc.h"
#include "ui/lists/LayerListAdapter.h"
#include "ui/lists/MaterialListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EpwImportDialog.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

// The entries of a menu without a key, or with a key another entry of the same menu has; the
// submenus are checked too, except those filled with the project's own names.
QStringList MnemonicFaults(const QList<QAction*>& actions, const QString& where)
{
    QStringList faults;
    QSet<QKeySequence> keys;
    for (const QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (key.isEmpty())
            faults << where + QStringLiteral(" > ") + action->text()
                    + QStringLiteral(" : sans touche");
        else if (keys.contains(key))
            faults << where + QStringLiteral(" > ") + action->text()
                    + QStringLiteral(" : touche en double");
        keys.insert(key);
        const bool namesOwnRecords = action->text() == QStringLiteral("Associer &Matériau");
        if (action->menu() && !namesOwnRecords)
            faults << MnemonicFaults(
                action->menu()->actions(), where + QStringLiteral(" > ") + action->text());
    }
    return faults;
}

TEST(Keys, EveryMenuEntryOfTheMainWindowHasAKeyOfItsOwn)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    const QStringList faults = MnemonicFaults(window.menuBar()->actions(), QStringLiteral("menu"));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    // The entries the walk-through found without one.
    for (const char* name : { "actionPrintChoice", "actionExportPdf" })
        EXPECT_FALSE(QKeySequence::mnemonic(window.Action(ToQ(name))->text()).isEmpty()) << name;
}

TEST(Keys, EveryMenuEntryOfTheListDialogsHasAKeyOfItsOwn)
{
    KslDoc doc;
    ScriptedPrompter prompter;
    RecordListDlg layers(std::make_unique<LayerListAdapter>(doc.layers, doc.materials), prompter);
    RecordListDlg materials(
        std::make_unique<MaterialListAdapter>(doc.materials, doc.layers, doc.vapour), prompter);
    for (RecordListDlg* dialog : { &layers, &materials }) {
        const QMenuBar* bar = dialog->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        const QStringList faults = MnemonicFaults(bar->actions(), dialog->windowTitle());
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(Keys, AltEOpensTheEditMenuWithoutTypingIntoTheField)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* field = window.View().findChild<NumberEdit*>(ControlName(1002));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    const QString before = field->text();
    QTest::keyClick(field, Qt::Key_E, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_EQ(field->text(), before);
    const QAction* active = window.menuBar()->activeAction();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->text(), QStringLiteral("&Édition"));
    active->menu()->close();
}

TEST(Words, ANewProjectForgetsWhatTheStatusBarSaidOfTheLastOne)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.statusBar()->showMessage(QStringLiteral("Rapport exporté dans « mur.pdf »"));
    window.NewProject();
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("F1 pour l'aide"));
}

TEST(Words, TheAnnualWindowNamesTheWallAndTheWeather)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.Action(QStringLiteral("actionAnnualBalance"))->trigger();
    AnnualBalanceWindow* annual = window.AnnualWindow();
    ASSERT_NE(annual, nullptr);
    const CBCData* exterior = window.Document().SelectedAmbiance(Side::Exterior);
    ASSERT_NE(exterior, nullptr);
    EXPECT_EQ(annual->findChild<QLabel*>(QStringLiteral("subject"))->text(),
        QStringLiteral("Paroi : Béton lourd 200 + Laine de verre 50 + Plâtre 10 ; ambiance "
                       "extérieure : ")
            + ToQ(exterior->Name()));
    annual->close();
}

struct AmbianceNameCase {
    const char* station;
    const char* ambiance;
};

class StationAmbiance : public ::testing::TestWithParam<AmbianceNameCase> { };

TEST_P(StationAmbiance, ElidesDeBeforeAVowelOrAMuteH)
{
    EXPECT_EQ(StationAmbianceName(ToQ(GetParam().station)).toStdString(), GetParam().ambiance);
}

INSTANTIATE_TEST_SUITE_P(Words, StationAmbiance,
    ::testing::Values(AmbianceNameCase { "Hyères", "Météo d'Hyères" },
        AmbianceNameCase { "Hyères Le Palyvestre", "Météo d'Hyères Le Palyvestre" },
        AmbianceNameCase { "Honfleur", "Météo de Honfleur" },
        AmbianceNameCase { "Orléans", "Météo d'Orléans" },
        AmbianceNameCase { "Lyon", "Météo de Lyon" },
        // No name yet: no "de" left hanging before nothing.
        AmbianceNameCase { "", "Météo" }));

TEST(Words, AYearChartNeverFilledShowsNoPlaceholderTitle)
{
    graphics::MonthlyBalancePlot balance;
    graphics::YearSurfacePlot surface;
    for (graphics::MonthChart* chart : { static_cast<graphics::MonthChart*>(&balance),
             static_cast<graphics::MonthChart*>(&surface) }) {
        for (const graphics::NShpText* title :
            { chart->Chart().XAxis().TitleLabel(), chart->Chart().YAxis().TitleLabel() }) {
            ASSERT_NE(title, nullptr);
            EXPECT_NE(title->Text().value_or(std::string()), "Label Axe");
        }
    }
}

} // namespace
