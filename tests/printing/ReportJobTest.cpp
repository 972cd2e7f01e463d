#include "PrintingTestSupport.h"

#include "printing/ReportJob.h"
#include "printing/ReportPrinter.h"
#include "support/CaseNames.h"
#include "support/TempFolder.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quelvan::printing {
namespace {

struct RefusalCase {
    bool printer;
    std::vector<int> flags;
    const char* message;
    friend void PrintTo(const RefusalCase& c, std::ostream* os)
    {
        *os << (c.printer ? "printer, flags " : "no printer, flags ")
            << quelvan::test::List(c.flags);
    }
};

class PrintRefusals : public ::testing::TestWithParam<RefusalCase> { };

TEST_P(PrintRefusals, PrinterFirstThenSelection)
{
    PrintFlags flags {};
    for (const int f : GetParam().flags)
        flags[static_cast<size_t>(f)] = 1;
    EXPECT_EQ(PrintRefusal(GetParam().printer, flags), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintRefusals,
    ::testing::Values(RefusalCase { false, { 1, 2 }, "Absence d'une imprimante par défaut" },
        RefusalCase { false, {}, "Absence d'une imprimante par défaut" },
        RefusalCase { true, {}, "Aucune sélection d'impression" }, RefusalCase { true, { 4 }, "" },
        RefusalCase { true, { 9 }, "" }));

TEST(PrinterJob, LandscapeMonochromeOnePagePerChoice)
{
    KslDoc doc;
    doc.printChoices = {};
    doc.printChoices[0] = 1;
    doc.printChoices[3] = 1;
    doc.printChoices[4] = 1;
    const ReportPrinter report(doc, InputsFromDocument(doc), test::RunHours(doc, 30));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("imprimante.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(PrintReport(report, printer));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(printer.fromPage(), 1);
    EXPECT_EQ(printer.toPage(), 3);
    EXPECT_EQ(printer.outputFileName(), path);
    const auto pages = test::PdfFilePages(path.toStdString());
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(pages->size(), 3u);
    EXPECT_NE(test::Squeezed((*pages)[2]).find("Liste des matériaux"), std::string::npos);
}

TEST(PrinterJob, NothingChosenPrintsNothing)
{
    KslDoc doc;
    doc.printChoices = {};
    const ReportPrinter report(doc, InputsFromDocument(doc), {});
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("rien.pdf")));
    EXPECT_FALSE(PrintReport(report, printer));
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

// The desktop's export and quelvan-cli report name the PDF beside the project alike.
TEST(PdfExport, ThePdfReplacesTheProjectsLastExtension)
{
    EXPECT_EQ(ReportPdfPathFor("/études/mur.v1.ksl"), "/études/mur.v1.pdf");
    KslDoc doc;
    EXPECT_EQ(ReportPdfPath(doc), "Sans nom.pdf");
    doc.SetPath("/études/mur.v1.ksl");
    EXPECT_EQ(ReportPdfPath(doc), "/études/mur.v1.pdf");
}

TEST(PdfExport, WritesAPdfAndRefusesAnUnwritablePath)
{
    KslDoc doc;
    const ReportPrinter report(doc, InputsFromDocument(doc), {});
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("rapport.pdf")).toStdString();
    ASSERT_TRUE(ExportReportPdf(report, path));
    const std::string first = quelvan::test::ReadBytes(path);
    EXPECT_TRUE(first.starts_with("%PDF-"));
    EXPECT_FALSE(ExportReportPdf(report, path + "/dans/un/fichier.pdf"));
    EXPECT_EQ(quelvan::test::ReadBytes(path), first);
}

} // namespace
} // namespace quelvan::printing
