#pragma once

#include "printing/ReportPages.h"

#include <QByteArray>
#include <QPageLayout>
#include <optional>
#include <string>

class QPrinter;

namespace quelvan {
class KslDoc;
}

namespace quelvan::printing {

class ReportPrinter;

// What stops a print job before it starts, checked in this order: no default printer
// ("Absence d'une imprimante par défaut"), then no part chosen ("Aucune sélection
// d'impression", unless the annual balance page is chosen). Empty when the job may start. The
// caller shows the text with an information icon.
std::string PrintRefusal(
    bool hasDefaultPrinter, const PrintFlags& flags, bool annualBalance = false);
// Whether the system knows a default printer.
bool HasDefaultPrinter();

// Sets up a printer for the report: landscape (or the page layout chosen by the user: paper,
// orientation and margins), monochrome, pages 1 to pageCount, one copy handled by the device.
// The printer keeps its target (a new QPrinter is the default printer; a preview or a PDF
// printer stays what it is).
void ConfigurePrinter(
    QPrinter& printer, int pageCount, const std::optional<QPageLayout>& chosen = std::nullopt);

// Configures the printer for the report and prints every page on it; false when no page is
// chosen or the printer cannot be opened.
bool PrintReport(const ReportPrinter& report, QPrinter& printer,
    const std::optional<QPageLayout>& chosen = std::nullopt);

// The PDF report beside a project: the project's path with its last extension replaced by ".pdf"
// ("mur.v1.ksl" gives "mur.v1.pdf"); a document without a file gives "Sans nom.pdf".
std::string ReportPdfPathFor(const std::string& projectPath);
std::string ReportPdfPath(const KslDoc& doc);

// The page of the PDF report unless the user chose another: A4 landscape, 10 mm margins.
QPageLayout DefaultPdfPageLayout();
// The report as a PDF document at 600 dots per inch on that page. Empty when no page is chosen.
QByteArray RenderReportPdf(
    const ReportPrinter& report, const QPageLayout& page = DefaultPdfPageLayout());
// Writes the PDF to path through a temporary file renamed over it; false when no page is
// chosen or the file cannot be written (a previous file is then left as it was).
bool ExportReportPdf(const ReportPrinter& report, const std::string& path,
    const QPageLayout& page = DefaultPdfPageLayout());

} // namespace quelvan::printing
