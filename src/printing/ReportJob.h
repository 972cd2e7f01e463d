#pragma once

#include "printing/ReportPages.h"

#include <QByteArray>
#include <string>

class QPrinter;

namespace quelvan::printing {

class ReportPrinter;

// What stops a print job before it starts, checked in this order: no default printer
// ("Absence d'une imprimante par défaut"), then no part chosen ("Aucune sélection
// d'impression"). Empty when the job may start. The caller shows the text with an information
// icon.
std::string PrintRefusal(bool hasDefaultPrinter, const PrintFlags& flags);
// Whether the system knows a default printer.
bool HasDefaultPrinter();

// Sets up a printer for the report: landscape, monochrome, pages 1 to pageCount, one copy
// handled by the device. The printer keeps its target (a new QPrinter is the default printer;
// a preview or a PDF printer stays what it is).
void ConfigurePrinter(QPrinter& printer, int pageCount);

// Configures the printer for the report and prints every page on it; false when no page is
// chosen or the printer cannot be opened.
bool PrintReport(const ReportPrinter& report, QPrinter& printer);

// The report as a PDF document: A4 landscape, 600 dots per inch, 10 mm margins. Empty when no
// page is chosen.
QByteArray RenderReportPdf(const ReportPrinter& report);
// Writes the PDF to path through a temporary file renamed over it; false when no page is
// chosen or the file cannot be written (a previous file is then left as it was).
bool ExportReportPdf(const ReportPrinter& report, const std::string& path);

} // namespace quelvan::printing
