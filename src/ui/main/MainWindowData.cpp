// The main window's data windows: the dynamic characteristics, the annual balance, the wall
// comparison and the condensation risk, each modeless and following the project.
#include "ui/main/MainWindow.h"

#include "model/KslDoc.h"
#include "ui/main/KslView.h"
#include "ui/project/ProjectController.h"
#include "ui/shell/WindowPlacement.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/CondensationWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/studies/WallComparisonWindow.h"

namespace quelvan::ui {

namespace {

// Shows a modeless window that follows the project (made first, beside the form, as an ordinary
// window that goes when closed) and computes it for the project as it is now.
template <class Window, class Make>
void ShowFollowingWindow(QPointer<Window>& window, const QString& place, Make make)
{
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        KeepPlace(*window, place, Placement::Beside);
        MakeOrdinaryWindow(*window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->Recompute();
}

} // namespace

void MainWindow::DataWindowsFollow()
{
    if (dynamicDialog_)
        dynamicDialog_->Refresh();
    if (annualWindow_)
        annualWindow_->ProjectChanged();
    if (comparisonWindow_)
        comparisonWindow_->ProjectChanged();
    if (condensationWindow_)
        condensationWindow_->ProjectChanged();
}

void MainWindow::ShowDynamicCharacteristics()
{
    if (!dynamicDialog_) {
        dynamicDialog_ = new DynamicCharacteristicsDialog(
            *doc_, [this] { return view_->FormValuesShown().surfaces; }, this);
        dynamicDialog_->setAttribute(Qt::WA_DeleteOnClose);
        KeepPlace(*dynamicDialog_, QStringLiteral("CaracteristiquesDynamiques"), Placement::Beside);
    }
    dynamicDialog_->Refresh();
    dynamicDialog_->show();
    dynamicDialog_->raise();
    dynamicDialog_->activateWindow();
}

AnnualBalanceWindow* MainWindow::AnnualWindow() const
{
    return annualWindow_.data();
}

void MainWindow::ShowAnnualBalance()
{
    ShowFollowingWindow(annualWindow_, QStringLiteral("BilanAnnuel"), [this] {
        return new AnnualBalanceWindow(
            *doc_, [this] { return view_->InputsFromControls(); }, *prompter_, this);
    });
}

WallComparisonWindow* MainWindow::ComparisonWindow() const
{
    return comparisonWindow_.data();
}

void MainWindow::ShowWallComparison()
{
    ShowFollowingWindow(comparisonWindow_, QStringLiteral("ComparaisonParois"), [this] {
        return new WallComparisonWindow(
            [this] { return view_->ProjectAsShown(); }, *prompter_, this);
    });
}

CondensationWindow* MainWindow::CondensationRiskWindow() const
{
    return condensationWindow_.data();
}

void MainWindow::ShowCondensation()
{
    ShowFollowingWindow(condensationWindow_, QStringLiteral("RisqueCondensation"), [this] {
        return new CondensationWindow([this] { return view_->ProjectAsShown(); },
            [this] { controller_->InteriorHumidity(); }, *prompter_, this);
    });
}

} // namespace quelvan::ui
