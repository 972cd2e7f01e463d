// Every window on a 1024 × 768 screen: inside it, the dynamic dialog's "Fermer" on it, the flux
// window off the read-outs and back where the user left it.
#include "UiTestSupport.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/FluxDensityWindow.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EpwImportDialog.h"
#include "ui/project/ProgramSettings.h"
#include "ui/project/ProjectController.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/WindowPlacement.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/CondensationWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/ControlNames.h"
#include "weather/EpwImport.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <array>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

QRect Screen()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Shows the window as it opens, and says whether it lies on the screen.
testing::AssertionResult ShownOnTheScreen(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    if (Screen().contains(window.frameGeometry()))
        return testing::AssertionSuccess();
    const QRect f = window.frameGeometry();
    return testing::AssertionFailure() << window.windowTitle().toStdString() << " at " << f.x()
                                       << "," << f.y() << " " << f.width() << "×" << f.height();
}

class SmallScreen : public ::testing::Test {
protected:
    SmallScreen() { window.show(); }
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(SmallScreen, EveryWindowOpensOnTheScreen)
{
    ASSERT_EQ(Screen().size(), QSize(1024, 768));
    EXPECT_TRUE(Screen().contains(window.frameGeometry()));
    EXPECT_GE(window.width(), MainWindow::kMinimumWidth);
    // Each modal dialog as the program runs it, and the editing dialog of each list's first row.
    QStringList seen;
    prompter.onDialog = [&](QDialog& dialog) {
        PlaceModal(dialog);
        EXPECT_TRUE(ShownOnTheScreen(dialog));
        seen << dialog.windowTitle();
        if (auto* list = dynamic_cast<RecordListDlg*>(&dialog)) {
            list->SelectRow(1);
            list->EditSelected();
        }
        dialog.hide();
        return static_cast<int>(QDialog::Rejected);
    };
    for (const ListKind kind : { ListKind::Materials, ListKind::Layers, ListKind::Ambiances })
        window.Controller().EditList(kind);
    window.Controller().References();
    window.Controller().PrintChoice();
    window.About();
    weather::EpwImportResult imported;
    imported.location = "Essai-sur-Mer, REG, FRA";
    imported.repairs.assign(6, "29 février retiré (année bissextile)");
    EpwImportDialog epw(QStringLiteral("essai.epw"), imported, &window);
    prompter.Exec(epw);
    EXPECT_EQ(seen.size(), 10) << seen.join(QStringLiteral(", ")).toStdString();

    window.ShowDynamicCharacteristics();
    DynamicCharacteristicsDialog& dynamic = *window.DynamicDialog();
    EXPECT_TRUE(ShownOnTheScreen(dynamic));
    const auto* close = dynamic.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
    EXPECT_TRUE(
        dynamic.rect().contains(QRect(close->mapTo(&dynamic, QPoint(0, 0)), close->size())));
    // Room is left for a window frame and a desktop panel (the dialog used to be 755 high).
    EXPECT_LE(dynamic.frameGeometry().height(), Screen().height() - 60);
    EXPECT_LE(dynamic.frameGeometry().width(), Screen().width());
    window.ShowAnnualBalance();
    EXPECT_TRUE(ShownOnTheScreen(*window.AnnualWindow()));
    window.AnnualWindow()->close();
    // The condensation window (1000 × 720 at most) lies on the screen.
    window.ShowCondensation();
    EXPECT_TRUE(ShownOnTheScreen(*window.CondensationRiskWindow()));
    window.CondensationRiskWindow()->close();
    // The comparison window wants 1100 × 820: it is cut to the screen, its "Fermer" in view.
    window.ShowWallComparison();
    WallComparisonWindow& compare = *window.ComparisonWindow();
    EXPECT_TRUE(ShownOnTheScreen(compare));
    const auto* closeCompare = compare.findChild<QPushButton*>(QStringLiteral("close"));
    ASSERT_NE(closeCompare, nullptr);
    EXPECT_TRUE(compare.rect().contains(
        QRect(closeCompare->mapTo(&compare, QPoint(0, 0)), closeCompare->size())));
    compare.close();
    // Closing deletes it later: done now, before the list of windows below is taken (checking a
    // window processes events, which would delete it while the list still names it).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ShowHelp(&window, HelpTopic::Contents);
    int helpWindows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == QStringLiteral("Aide de Quelvan")) {
            EXPECT_TRUE(ShownOnTheScreen(*top));
            ++helpWindows;
        }
    EXPECT_EQ(helpWindows, 1);
}

// No room beside the main window on this screen for the whole flux window: it is made lower and
// goes below the form, off the read-outs; moved, it reopens where it was left.
TEST_F(SmallScreen, TheFluxWindowLeavesTheReadoutsUncoveredAndKeepsItsPlace)
{
    window.View().SetCalculationMode(true);
    FluxDensityWindow* flux = window.View().Tracer();
    ASSERT_NE(flux, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(Screen().contains(flux->frameGeometry()));
    for (const int id : { 1087, 1091, 1095, 1094, 1089, 1092, 1088, 1090, 1096, 1093 }) {
        const QWidget* readout = window.View().findChild<QWidget*>(ControlName(id));
        const QRect onScreen(readout->mapToGlobal(QPoint(0, 0)), readout->size());
        EXPECT_FALSE(onScreen.intersects(flux->frameGeometry())) << id;
    }
    flux->move(flux->pos() + QPoint(30, -20));
    const QPoint left = flux->pos();
    window.View().SetCalculationMode(false);
    window.View().SetCalculationMode(true);
    EXPECT_EQ(window.View().Tracer()->pos(), left);
    window.View().SetCalculationMode(false);
}

// The annual balance and the wall comparison are larger than the room beside the form on this
// screen: their figures scroll, so they open beside the form (below it), smaller, and cover
// neither the read-outs nor the run panel's "Mode Calcul".
TEST_F(SmallScreen, StudyWindowsOpenBesideTheFormWithTheirFiguresScrolling)
{
    window.ShowAnnualBalance();
    window.ShowWallComparison();
    QApplication::processEvents();
    const std::array<QWidget*, 2> studies { window.AnnualWindow(), window.ComparisonWindow() };
    for (QWidget* study : studies) {
        ASSERT_NE(study, nullptr);
        EXPECT_TRUE(Screen().contains(study->frameGeometry())) << study->objectName().toStdString();
        EXPECT_FALSE(study->frameGeometry().intersects(window.frameGeometry()))
            << study->objectName().toStdString() << " " << study->x() << "," << study->y() << " "
            << study->width() << "x" << study->height();
        EXPECT_NE(study->findChild<QWidget*>(QStringLiteral("figures")), nullptr);
        study->close();
    }
}

// A place kept on a larger screen that would cover the form here is not reused: the flux window
// opens beside the form as if new.
TEST_F(SmallScreen, APlaceKeptOnALargerScreenDoesNotCoverTheForm)
{
    const QString key = QStringLiteral("Fenetres/DensitesDeFlux");
    {
        QSettings settings = ProgramSettings();
        settings.setValue(key, QRect(60, 120, 560, 320));
        settings.setValue(key + QStringLiteral("Ecran"), QSize(1920, 1050));
    }
    window.View().SetCalculationMode(true);
    QApplication::processEvents();
    const FluxDensityWindow* flux = window.View().Tracer();
    ASSERT_NE(flux, nullptr);
    EXPECT_FALSE(flux->frameGeometry().intersects(window.frameGeometry()))
        << flux->x() << "," << flux->y();
    EXPECT_TRUE(Screen().contains(flux->frameGeometry()));
    window.View().SetCalculationMode(false);
    QSettings settings = ProgramSettings();
    settings.remove(key);
    settings.remove(key + QStringLiteral("Ecran"));
    settings.remove(key + QStringLiteral("Taille"));
}

} // namespace
