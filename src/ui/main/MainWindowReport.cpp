// The main window's report commands: printing, the print preview, the PDF export and the page
// setup, all on the pages of the project as the form shows it.
#include "graphics/QtStrings.h"
#include "ui/main/MainWindow.h"

#include "core/Messages.h"
#include "engine/CalculationInputs.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/MoistureStudy.h"
#include "engine/variants/VariantStudy.h"
#include "model/KslDoc.h"
#include "model/WallComposition.h"
#include "printing/ReportJob.h"
#include "printing/ReportPrinter.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/KslView.h"
#include "ui/project/OutputTarget.h"
#include "ui/project/ReportChoiceSetting.h"
#include "ui/shell/Prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

namespace quelvan::ui {

// The report of the project as the form shows it, with the calculation's series and profiles,
// and the year of that project in the fine mode when the annual balance is chosen.
static printing::ReportPrinter MakeReport(
    const KslDoc& doc, KslView& view, const printing::PrintFlags& pages)
{
    printing::ReportPrinter report(doc, view.InputsFromControls(), view.Runner().Engine().View());
    report.SetFlags(pages);
    if (StoredAnnualBalanceChoice()) {
        std::string error;
        const auto problem = annual::PrepareAnnualBalance(
            doc, view.InputsFromControls(), CalculationMode::Fine, &error);
        auto year = problem ? annual::RunAnnualBalance(*problem) : std::nullopt;
        if (problem && !year)
            error = msg::kInternalError;
        report.SetAnnualBalance(std::move(year), error,
            WallAndWeather(doc, view.InputsFromControls().exteriorAmbiance));
    }
    if (StoredCondensationChoice()) {
        // The check of the project as the form shows it, as the condensation window makes it.
        std::unique_ptr<KslDoc> project = variants::CopyProject(doc);
        if (project) {
            project->StoreFormValues(view.FormValuesShown());
            moisture::StudyOutcome outcome
                = moisture::RunStudy(*project, InputsFromDocument(*project), {});
            report.SetCondensation(std::move(outcome.study), outcome.message);
        }
    }
    return report;
}

// The chosen pages, asking first when the week has not been computed (the curve pages would be
// empty): "Oui" starts the run and prints nothing yet, "Non" prints the input pages only. None
// when nothing is to be printed now.
static std::optional<printing::PrintFlags> PagesToPrint(
    const KslDoc& doc, KslView& view, Prompter& prompter, QWidget* window)
{
    // Hour 0 alone (a calculation prepared, not run) draws no curve either.
    if (view.Runner().Engine().View().hours > 1 || !printing::ChoosesRunPages(doc.printChoices))
        return doc.printChoices;
    switch (prompter.AskYesNoCancel(window, ToQ(msg::kWeekNotComputed))) {
    case Prompter::Answer::Yes:
        view.SetCalculationMode(true);
        if (view.IsCalculationMode())
            view.Runner().PressRun();
        return std::nullopt;
    case Prompter::Answer::No:
        return printing::InputPagesOnly(doc.printChoices);
    default:
        return std::nullopt;
    }
}

bool MainWindow::ReportRefused(bool needsPrinter)
{
    const std::string refusal
        = printing::PrintRefusal(!needsPrinter || printing::HasDefaultPrinter(), doc_->printChoices,
            StoredExtraPageChoice());
    if (refusal.empty())
        return false;
    prompter_->Message(this, ToQ(refusal), Prompter::Icon::Information);
    return true;
}

void MainWindow::PrintReport()
{
    // Without a printer the report can still be exported: offered rather than only refused.
    if (!printing::HasDefaultPrinter()
        && printing::PrintRefusal(true, doc_->printChoices, StoredExtraPageChoice()).empty()) {
        if (prompter_->AskYesNoCancel(this,
                ToQ(msg::kNoDefaultPrinter) + QStringLiteral(".\n\nExporter le rapport en PDF ?"))
            == Prompter::Answer::Yes)
            ExportPdf();
        return;
    }
    if (ReportRefused(true))
        return;
    const auto pages = PagesToPrint(*doc_, *view_, *prompter_, this);
    if (!pages)
        return;
    // Straight to the default printer, without a print dialog.
    QPrinter printer(QPrinter::HighResolution);
    printing::PrintReport(MakeReport(*doc_, *view_, *pages), printer, pageLayout_);
}

void MainWindow::PrintPreview()
{
    if (ReportRefused(false))
        return;
    const auto pages = PagesToPrint(*doc_, *view_, *prompter_, this);
    if (!pages)
        return;
    const printing::ReportPrinter report = MakeReport(*doc_, *view_, *pages);
    QPrinter printer(QPrinter::HighResolution);
    printing::ConfigurePrinter(printer, report.PageCount(), pageLayout_);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
        [&report](QPrinter* target) { report.PrintAll(*target); });
    prompter_->Exec(dialog);
}

void MainWindow::ExportPdf()
{
    if (ReportRefused(false))
        return;
    const auto pages = PagesToPrint(*doc_, *view_, *prompter_, this);
    if (!pages)
        return;
    QFileDialog dialog(this, QStringLiteral("Exporter en PDF"), ToQ(printing::ReportPdfPath(*doc_)),
        QStringLiteral("Documents PDF (*.pdf)"));
    PrepareOutputDialog(dialog, "pdf");
    if (prompter_->Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    if (!MayWriteOutput(*prompter_, this, path.toStdString(),
            ProjectFilesRead(*doc_, view_->InputsFromControls())))
        return;
    if (!printing::ExportReportPdf(MakeReport(*doc_, *view_, *pages), path.toStdString(),
            pageLayout_.value_or(printing::DefaultPdfPageLayout()))) {
        prompter_->Message(this, ToQ(msg::kReportNotWritten), Prompter::Icon::Exclamation);
        return;
    }
    statusBar()->showMessage(
        QStringLiteral("Rapport exporté dans « %1 »").arg(QFileInfo(path).fileName()));
}

void MainWindow::PrinterSetup()
{
    // The dialog opens on the session's choice, else on the PDF export's page (A4 landscape,
    // its margins), so that accepting it unchanged keeps what the export did before; the choice
    // is kept for printing, the preview and the PDF export until the program ends.
    QPrinter printer(QPrinter::HighResolution);
    printing::ConfigurePrinter(printer, 1, pageLayout_.value_or(printing::DefaultPdfPageLayout()));
    QPageSetupDialog dialog(&printer, this);
    if (prompter_->Exec(dialog) == QDialog::Accepted)
        pageLayout_ = printer.pageLayout();
}

} // namespace quelvan::ui
