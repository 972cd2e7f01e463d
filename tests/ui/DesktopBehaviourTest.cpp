// What the desktop says and where its windows go: keys and menus, the tab order, the status
// bar's notes, the charts' legends and zero line, elided names, the dynamic dialog's values,
// and windows placed beside the main window and remembered.
#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/ChartNotes.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProgramSettings.h"
#include "ui/shell/WindowPlacement.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/CondensationWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/ElidedComboBox.h"

#include "graphics/ProfileChart.h"
#include "printing/ReportJob.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

TEST(Keys, DataMenuMnemonicsAreUniqueAndTheToolBarHelpOpensTheContents)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    std::set<QChar> keys;
    for (const QAction* action : window.DataMenu()->actions()) {
        if (action->isSeparator())
            continue;
        const qsizetype mark = action->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(mark, 0) << action->text().toStdString();
        EXPECT_TRUE(keys.insert(action->text().at(mark + 1).toLower()).second)
            << action->text().toStdString();
    }
    EXPECT_EQ(window.DataMenu()->title(), QStringLiteral("&Données"));
    window.Action(QStringLiteral("actionLayers"))->trigger();
    EXPECT_EQ(prompter.dialogTitles, QStringList { QStringLiteral("Couches") });
    const QList<QAction*> tools = window.findChild<QToolBar*>()->actions();
    EXPECT_EQ(tools.back(), window.Action(QStringLiteral("actionHelp")));
    EXPECT_FALSE(tools.contains(window.Action(QStringLiteral("actionAbout"))));
}

TEST(Keys, CtrlQAsksToSaveAndCancelKeepsTheWindow)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Document().modified = true;
    prompter.answers.push_back(Prompter::Answer::Cancel);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(window.isVisible());
    prompter.answers.push_back(Prompter::Answer::No);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

// The focus chain from the exterior face's first field, as Tab walks it.
TEST(Keys, TabFollowsTheColumnsExteriorWallInterior)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    QStringList order;
    const QWidget* first = window.View().findChild<QWidget*>(ControlName(1003));
    for (const QWidget* w = first; order.size() < 15; w = w->nextInFocusChain())
        if (w->objectName().startsWith(QLatin1Char('c')) && (w->focusPolicy() & Qt::TabFocus))
            order << w->objectName();
    const QStringList expected { "c1003", "c1002", "c1007", "c1033", "c1034", "c1055", "c1011",
        "c1001", "c1052", "c1009", "c1058", "c1075", "c1073", "c1077", "c1078" };
    EXPECT_EQ(order, expected);
}

class StatusNotes : public ::testing::Test {
protected:
    void SetUp() override
    {
        runner().SetClock([this] { return now; });
        runner().SetTimerDriven(false);
        window.show();
        window.View().SetCalculationMode(true);
        runner().PressRun();
    }
    CalculationRunner& runner() { return window.View().Runner(); }
    void Poll(int n)
    {
        for (int i = 0; i < n; ++i) {
            now += 0.1;
            runner().PollOnce();
        }
    }
    double now = 0.0;
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(StatusNotes, RunEndsAreSaidInTheStatusBar)
{
    Poll(40);
    runner().PressStop();
    Poll(2);
    EXPECT_EQ(window.statusBar()->currentMessage(),
        QStringLiteral("Calcul arrêté après %1 heures").arg(runner().Engine().View().hours - 1));
    runner().PressRun(); // "ReInitialise"
    runner().PressRun();
    Poll(200);
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Calcul terminé"));
    EXPECT_EQ(
        CalculationRunner::EndOfRunText(1, false), QStringLiteral("Calcul arrêté après 1 heure"));
}

// The legend under the exterior read-outs in the curves' colours; the flux window's zero line
// dark and labelled.
TEST_F(StatusNotes, ChartsCarryTheirLegendsAndTheZeroLine)
{
    Poll(30);
    const QImage view = window.View().grab().toImage();
    graphics::ProfileChart chart;
    const auto legend = ProfileLegend(chart.Chart());
    QImage drawn(view.size(), QImage::Format_RGB32);
    QPainter painter(&drawn);
    painter.setFont(window.View().font());
    const QRect rect = graphics::DrawLegendColumn(painter, QPoint(10, 340), legend);
    painter.end();
    ASSERT_EQ(rect.height() % 3, 0);
    const int step = rect.height() / 3;
    for (int line = 0; line < 3; ++line) {
        // The short line of each entry, two pixels thick about its middle.
        const int middle = 340 + line * step + step / 2;
        const QColor expected = legend[static_cast<size_t>(line)].colour;
        EXPECT_TRUE(
            view.pixelColor(19, middle) == expected || view.pixelColor(19, middle - 1) == expected)
            << line;
    }
    EXPECT_EQ(legend[0].text, "Profil à l'heure affichée");

    FluxDensityWindow& flux = *window.View().Tracer();
    const QImage plot = flux.grab().toImage();
    const int zero = flux.ZeroLineY();
    ASSERT_GT(zero, 0);
    int dark = 0;
    for (int x = 0; x < plot.width(); ++x)
        dark += plot.pixelColor(x, zero) == QColor(64, 64, 64) ? 1 : 0;
    EXPECT_GT(dark, plot.width() / 4); // dashed across the plot
}

TEST(Printing, CtrlPWithoutAPrinterOffersThePdfExportAndNamesItsFile)
{
    if (printing::HasDefaultPrinter())
        GTEST_SKIP() << "a default printer is installed";
    quelvan::test::TempFolder temp("ctrl-p");
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    const QString pdf = ToQ(temp.File("rapport.pdf"));
    prompter.onDialog = quelvan::ui::test::ChooseFile(pdf);
    prompter.answers.push_back(Prompter::Answer::Yes);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    // Then, the week not being computed, whether to compute it: no, the input pages only.
    ASSERT_EQ(prompter.questions.size(), 2);
    EXPECT_TRUE(prompter.questions.front().startsWith(QStringLiteral("Absence d'une imprimante")));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(window.statusBar()->currentMessage(),
        QStringLiteral("Rapport exporté dans « rapport.pdf »"));
}

TEST(Readability, LongAmbianceNamesAreElidedWithTheWholeNameInTheTooltip)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    auto* list = window.View().findChild<ElidedComboBox*>(ControlName(1007));
    ASSERT_NE(list, nullptr);
    const QString name = list->currentText();
    ASSERT_EQ(name, QStringLiteral("Température sinusoïdale 25/35 °C sans flux"));
    EXPECT_TRUE(list->ShownText().endsWith(QChar(0x2026)));
    EXPECT_TRUE(name.startsWith(list->ShownText().chopped(1)));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list, &help);
    EXPECT_EQ(list->toolTip(), name);
}

// A value longer than the column was sized for widens it; it is never cut over two lines.
TEST(Readability, DynamicValuesStayOnOneLine)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.ShowDynamicCharacteristics();
    DynamicCharacteristicsDialog& dialog = *window.DynamicDialog();
    // A thin, highly conductive wall gives long values.
    window.Document().layers.At(0).SetThickness("1");
    window.Document().layers.At(1).SetThickness("1");
    dialog.Refresh();
    QTableWidget* table = dialog.Table();
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString value = table->item(row, DynamicCharacteristicsDialog::kColumnValue)->text();
        EXPECT_LE(table->fontMetrics().horizontalAdvance(value),
            table->columnWidth(DynamicCharacteristicsDialog::kColumnValue))
            << value.toStdString();
        QStyleOptionViewItem option;
        option.features = QStyleOptionViewItem::WrapText;
        const auto* delegate
            = table->itemDelegateForColumn(DynamicCharacteristicsDialog::kColumnValue);
        ASSERT_NE(delegate, nullptr);
        EXPECT_EQ(delegate->sizeHint(option, table->model()->index(row, 1)).height(),
            delegate->sizeHint(option, table->model()->index(0, 1)).height());
    }
}

TEST(Placement, BesideTheOwnerWhereThereIsRoomElseInsideTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const QRect owner(3, 3, 780, 500);
    const QSize frame(420, 300);
    struct Row {
        QRect owner;
        Placement placement;
        QRect expected;
    };
    const Row rows[] = {
        { owner, Placement::Beside, QRect(QPoint(791, 3), frame) }, // right
        { QRect(490, 3, 780, 500), Placement::Beside, QRect(QPoint(62, 3), frame) }, // left
        { QRect(100, 3, 1000, 500), Placement::Beside, QRect(QPoint(100, 511), frame) }, // below
        { QRect(100, 300, 1000, 600), Placement::Beside, QRect(QPoint(0, 724), frame) }, // corner
        { owner, Placement::Centred, QRect(QPoint(183, 103), frame) },
        { QRect(1000, 900, 780, 500), Placement::Centred, QRect(QPoint(860, 724), frame) },
        { QRect(1000, 900, 200, 100), Placement::Beside,
            QRect(QPoint(572, 724), frame) }, // left, raised
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlaceFrame(frame, row.owner, screen, row.placement), row.expected)
            << row.owner.x() << "," << row.owner.y();
    // Larger than the screen: cut to it.
    EXPECT_EQ(PlaceFrame(QSize(2000, 300), owner, screen, Placement::Beside).width(), 1280);
    // No room for the whole window beside a form on a 1024 × 768 screen: made smaller down to
    // its least size, to the right of the form, else below it, rather than over it.
    const QRect small(0, 0, 1024, 768);
    // 216 × 300 to the right, 420 × 230 below: below keeps more of it.
    EXPECT_EQ(PlaceFrame(frame, QRect(0, 0, 800, 530), small, Placement::Beside, QSize(200, 150)),
        QRect(0, 538, 420, 230));
    // 316 × 300 to the right; below, 60 pixels are too few.
    EXPECT_EQ(PlaceFrame(frame, QRect(0, 0, 700, 700), small, Placement::Beside, QSize(200, 150)),
        QRect(708, 0, 316, 300));
    EXPECT_EQ(PlaceFrame(frame, QRect(0, 0, 1000, 500), small, Placement::Beside, QSize(200, 150)),
        QRect(0, 508, 420, 260));
    // Not that small: the corner as before.
    EXPECT_EQ(PlaceFrame(frame, QRect(0, 0, 1000, 500), small, Placement::Beside, QSize(200, 280)),
        QRect(0, 468, 420, 300));
}

// The main window starts the first time as the screen suits, then where and as large as it was
// left, brought back inside the screen when that place is gone.
TEST(Placement, TheMainWindowStartsToSuitTheScreenThenWhereItWasLeft)
{
    const QStringList keys { QStringLiteral("Fenetres/Principale"),
        QStringLiteral("Fenetres/PrincipaleAgrandie") };
    const auto forget = [&keys] {
        QSettings settings = ProgramSettings();
        for (const QString& key : keys)
            settings.remove(key);
    };
    forget();
    const auto fresh = [] {
        auto window = std::make_unique<QWidget>();
        window->setMinimumSize(MainWindow::kMinimumWidth, MainWindow::kMinimumHeight);
        RestoreMainWindowPlace(*window);
        return window;
    };
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    std::unique_ptr<QWidget> first = fresh();
    EXPECT_EQ(first->pos(), area.topLeft() + QPoint(3, 3));
    if (area.width() < 1280 || area.height() < 800) {
        EXPECT_EQ(first->size(), QSize(780, 500));
    } else {
        // In the top left corner, leaving room on its right for a study window.
        EXPECT_EQ(first->height(), std::min(area.height() * 2 / 3, 900));
        if (area.width() >= 780 + 1100) {
            EXPECT_GE(area.right() - first->geometry().right(), 1040);
        }
        EXPECT_TRUE(area.contains(first->geometry()));
    }

    first->resize(790, 510);
    first->move(area.topLeft() + QPoint(7, 30));
    RememberMainWindowPlace(*first);
    std::unique_ptr<QWidget> again = fresh();
    EXPECT_EQ(again->size(), QSize(790, 510));
    EXPECT_EQ(again->pos(), area.topLeft() + QPoint(7, 30));

    // A place on a screen that is no longer there.
    ProgramSettings().setValue(keys.front(), QRect(area.right() + 3000, 50, 800, 520));
    std::unique_ptr<QWidget> moved = fresh();
    EXPECT_TRUE(area.contains(moved->geometry())) << moved->x() << ", " << moved->y();
    forget();
}

// The study windows are ordinary windows: once shown, none is tied above the form by the window
// system (no transient owner), so clicking the form brings it in front; the form still owns
// them and closes them with it.
TEST(Placement, StudyWindowsAreOrdinaryWindowsTheFormCanComeBefore)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    window.ShowAnnualBalance();
    window.ShowWallComparison();
    window.ShowCondensation();
    QApplication::processEvents();
    const std::vector<QWidget*> studies { window.AnnualWindow(), window.ComparisonWindow(),
        window.CondensationRiskWindow() };
    for (QWidget* study : studies) {
        ASSERT_NE(study, nullptr);
        ASSERT_TRUE(study->isVisible());
        ASSERT_NE(study->windowHandle(), nullptr);
        EXPECT_EQ(study->windowHandle()->transientParent(), nullptr)
            << study->windowTitle().toStdString();
        EXPECT_EQ(study->window()->parentWidget(), &window);
    }
    // A dialog of the form stays tied to it, as it must.
    QDialog dynamic(&window);
    dynamic.show();
    QApplication::processEvents();
    ASSERT_NE(dynamic.windowHandle(), nullptr);
    EXPECT_NE(dynamic.windowHandle()->transientParent(), nullptr);
}

} // namespace
