#include "printing/ReportJob.h"

#include "core/Messages.h"
#include "core/NFileName.h"
#include "core/TextFile.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "printing/ReportFrame.h"
#include "printing/ReportPrinter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace quelvan::printing {

namespace {

constexpr int kPdfResolution = 600;
constexpr double kPdfMarginMillimetres = 10.0;

} // namespace

std::string ReportPdfPathFor(const std::string& projectPath)
{
    return NFileName(projectPath).WithExtension("pdf");
}

std::string ReportPdfPath(const KslDoc& doc)
{
    return ReportPdfPathFor(doc.unnamed ? doc.pathWithoutExtension : doc.fullPath);
}

std::string PrintRefusal(bool hasDefaultPrinter, const PrintFlags& flags, bool annualBalance)
{
    if (!hasDefaultPrinter)
        return msg::kNoDefaultPrinter;
    if (!annualBalance
        && std::none_of(flags.begin(), flags.end(), [](std::uint8_t f) { return f != 0; }))
        return msg::kNoPrintSelection;
    return {};
}

bool HasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

void ConfigurePrinter(QPrinter& printer, int pageCount, const std::optional<QPageLayout>& chosen)
{
    if (chosen)
        printer.setPageLayout(*chosen);
    else
        printer.setPageOrientation(QPageLayout::Landscape);
    printer.setColorMode(QPrinter::GrayScale);
    printer.setCopyCount(1);
    printer.setFullPage(false);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(1, std::max(pageCount, 1));
    printer.setDocName(QStringLiteral("Quelvan"));
    printer.setCreator(ToQ(FooterProgramText().c_str()));
}

bool PrintReport(
    const ReportPrinter& report, QPrinter& printer, const std::optional<QPageLayout>& chosen)
{
    if (report.PageCount() == 0)
        return false;
    ConfigurePrinter(printer, report.PageCount(), chosen);
    return report.PrintAll(printer);
}

QPageLayout DefaultPdfPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres,
            kPdfMarginMillimetres),
        QPageLayout::Millimeter);
}

QByteArray RenderReportPdf(const ReportPrinter& report, const QPageLayout& page)
{
    QByteArray bytes;
    if (report.PageCount() == 0)
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(page);
        writer.setCreator(ToQ(FooterProgramText().c_str()));
        writer.setTitle(ToQ((FooterProgramText() + " - " + report.Document().title).c_str()));
        if (!report.PrintAll(writer))
            return {};
    }
    buffer.close();
    return bytes;
}

bool ExportReportPdf(const ReportPrinter& report, const std::string& path, const QPageLayout& page)
{
    const QByteArray bytes = RenderReportPdf(report, page);
    if (bytes.isEmpty())
        return false;
    return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

} // namespace quelvan::printing
