// The main window's data windows: the dynamic characteristics, the annual balance, the wall
// comparison and the condensation risk, each modeless and following the project.
#include "ui/MainWindow.h"

#include "engine/variants/VariantStudy.h"
#include "model/KslDoc.h"
#include "ui/AnnualBalanceWindow.h"
#include "ui/CondensationWindow.h"
#include "ui/DynamicCharacteristicsDialog.h"
#include "ui/KslView.h"
#include "ui/ProjectController.h"
#include "ui/WallComparisonWindow.h"
#include "ui/WindowPlacement.h"

namespace quelvan::ui {

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
    if (!annualWindow_) {
        annualWindow_ = new AnnualBalanceWindow(
            *doc_, [this] { return view_->InputsFromControls(); }, *prompter_, this);
        annualWindow_->setAttribute(Qt::WA_DeleteOnClose);
        KeepPlace(*annualWindow_, QStringLiteral("BilanAnnuel"), Placement::Beside);
        MakeOrdinaryWindow(*annualWindow_);
    }
    annualWindow_->show();
    annualWindow_->raise();
    annualWindow_->activateWindow();
    annualWindow_->Recompute();
}

WallComparisonWindow* MainWindow::ComparisonWindow() const
{
    return comparisonWindow_.data();
}

void MainWindow::ShowWallComparison()
{
    if (!comparisonWindow_) {
        comparisonWindow_ = new WallComparisonWindow(
            [this] {
                std::unique_ptr<KslDoc> project = variants::CopyProject(*doc_);
                if (project)
                    project->StoreFormValues(view_->FormValuesShown());
                return project;
            },
            *prompter_, this);
        comparisonWindow_->setAttribute(Qt::WA_DeleteOnClose);
        KeepPlace(*comparisonWindow_, QStringLiteral("ComparaisonParois"), Placement::Beside);
        MakeOrdinaryWindow(*comparisonWindow_);
    }
    comparisonWindow_->show();
    comparisonWindow_->raise();
    comparisonWindow_->activateWindow();
    comparisonWindow_->Recompute();
}

CondensationWindow* MainWindow::CondensationRiskWindow() const
{
    return condensationWindow_.data();
}

void MainWindow::ShowCondensation()
{
    if (!condensationWindow_) {
        condensationWindow_ = new CondensationWindow(
            [this] {
                std::unique_ptr<KslDoc> project = variants::CopyProject(*doc_);
                if (project)
                    project->StoreFormValues(view_->FormValuesShown());
                return project;
            },
            [this] { controller_->InteriorHumidity(); }, *prompter_, this);
        condensationWindow_->setAttribute(Qt::WA_DeleteOnClose);
        KeepPlace(*condensationWindow_, QStringLiteral("RisqueCondensation"), Placement::Beside);
        MakeOrdinaryWindow(*condensationWindow_);
    }
    condensationWindow_->show();
    condensationWindow_->raise();
    condensationWindow_->activateWindow();
    condensationWindow_->Recompute();
}

} // namespace quelvan::ui
