#include "PrintingTestSupport.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"

#include "printing/DynamicCharacteristicsBlock.h"
#include "printing/ReportJob.h"
#include "printing/ReportPrinter.h"
#include "printing/TimeCurvePage.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace quelvan::printing {
namespace {

using test::PdfPages;
using test::Squeezed;

const QDateTime kPrintTime(QDate(2004, 3, 5), QTime(9, 7));

PrintFlags Flags(const std::vector<int>& set)
{
    PrintFlags flags {};
    for (const int f : set)
        flags[static_cast<size_t>(f)] = 1;
    return flags;
}

// The report of a document whose calculation ran `hours` hours, as its pages' text.
std::optional<std::vector<std::string>> ReportText(
    KslDoc& doc, const PrintFlags& flags, int hours, RunView* run = nullptr)
{
    const RunView view = test::RunHours(doc, hours);
    if (run != nullptr)
        *run = view;
    ReportPrinter report(doc, InputsFromDocument(doc), view);
    report.SetFlags(flags);
    report.SetPrintTime(kPrintTime);
    return PdfPages(RenderReportPdf(report));
}

#define SKIP_WITHOUT_PDFTOTEXT(pages)                                                              \
    if (!(pages))                                                                                  \
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed"

// --- page count and titles -------------------------------------------------------------------

class PagesPerChoice : public ::testing::TestWithParam<std::vector<int>> { };

TEST_P(PagesPerChoice, OnePagePerSetFlagEachWithItsTitleAndFooter)
{
    KslDoc doc;
    doc.author = "Claire Dupont";
    doc.reference = "Lot 7 - façade sud";
    const PrintFlags flags = Flags(GetParam());
    const auto pages = ReportText(doc, flags, 169);
    SKIP_WITHOUT_PDFTOTEXT(pages);
    ASSERT_EQ(pages->size(), GetParam().size());
    const std::vector<PageKind> kinds = PageKinds(flags);
    for (size_t p = 0; p < pages->size(); ++p) {
        const std::string text = Squeezed((*pages)[p]);
        EXPECT_NE(text.find(PageTitle(kinds[p], 168)), std::string::npos) << text;
        EXPECT_NE(text.find("5:3:2004 9:7"), std::string::npos);
        EXPECT_NE(
            text.find("Auteur = Claire Dupont, Référence = Lot 7 - façade sud"), std::string::npos);
        EXPECT_NE(text.find("Quelvan 1.20a"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, PagesPerChoice,
    ::testing::Values(std::vector<int> { 0, 1, 2, 3, 4 }, std::vector<int> { 1, 2 },
        std::vector<int> { 4 }, std::vector<int> { 0, 3 }, std::vector<int> { 2 }));

TEST(ReportPdf, NoChosenPartGivesNoDocument)
{
    KslDoc doc;
    ReportPrinter report(doc, InputsFromDocument(doc), {});
    report.SetFlags({});
    EXPECT_EQ(report.PageCount(), 0);
    EXPECT_TRUE(RenderReportPdf(report).isEmpty());
}

TEST(ReportPdf, TitlesBeforeAnyCalculationNameHourZero)
{
    KslDoc doc;
    ReportPrinter report(doc, InputsFromDocument(doc), {});
    report.SetFlags(Flags({ 1, 2 }));
    EXPECT_EQ(report.PageTitle(0),
        "Tracé dans le temps au cours des dernières 24 heures (temps final = 0 h)");
    EXPECT_EQ(report.PageTitle(1), "Tracé dans la paroi à t = 0 heure");
    EXPECT_FALSE(RenderReportPdf(report).isEmpty());
}

// --- page contents (the tables' cells are checked in ReportTablesTest) -----------------------

TEST(ReportPdf, MaterialLibraryPageListsEveryMaterial)
{
    KslDoc doc;
    const auto pages = ReportText(doc, Flags({ 4 }), 1);
    SKIP_WITHOUT_PDFTOTEXT(pages);
    ASSERT_EQ(pages->size(), 1u);
    const std::string text = Squeezed(pages->front());
    for (const CMaterial& m : doc.materials)
        EXPECT_NE(text.find(m.Name()), std::string::npos) << m.Name();
}

TEST(ReportPdf, ProjectDataPageShowsThePlacementAndBothAmbiances)
{
    KslDoc doc;
    doc.azimuthIndex = 6; // "Ouest": 90 degrees
    doc.inclinationIndex = 8; // "180°/sol (terrasse)"
    const auto pages = ReportText(doc, Flags({ 3 }), 1);
    SKIP_WITHOUT_PDFTOTEXT(pages);
    ASSERT_EQ(pages->size(), 1u);
    const std::string text = Squeezed(pages->front());
    for (const char* expected : { "Données de la paroi :", "Azimut 90", "Inclinaison 180",
             "Ambiance Extérieure :", "Ambiance Intérieure :" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_NE(text.find(doc.layers.At(0).Material()->Name()), std::string::npos);
    EXPECT_NE(text.find(doc.SelectedAmbiance(Side::Interior)->Name()), std::string::npos);
}

// The dynamic characteristics stand beside the project data, on that page only; a wall the
// check refuses gives its message instead.
TEST(ReportPdf, ProjectDataPageAloneShowsTheDynamicCharacteristics)
{
    KslDoc doc;
    doc.printChoices = Flags({ 2, 3 });
    CalculationInputs form = InputsFromDocument(doc);
    auto pages = PdfPages(RenderReportPdf(ReportPrinter(doc, form, {})));
    SKIP_WITHOUT_PDFTOTEXT(pages);
    ASSERT_EQ(pages->size(), 2u);
    EXPECT_EQ((*pages)[0].find(kDynamicCaption), std::string::npos);
    std::string text = Squeezed((*pages)[1]);
    EXPECT_NE(text.find(kDynamicCaption), std::string::npos) << text;
    const auto values
        = ComputeDynamicCharacteristics(SiWallFromProject(doc.layers, doc.surfaces).value());
    for (const DynamicValueInfo& info : kDynamicValues) {
        const std::string row = std::string(info.label) + " " + DynamicValueText(info, *values)
            + " " + (*info.unit != '\0' ? info.unit : "-");
        EXPECT_NE(text.find(row), std::string::npos) << row;
    }

    form.surfaces.resistanceInterior = "-0.13";
    pages = PdfPages(RenderReportPdf(ReportPrinter(doc, form, {})));
    text = Squeezed((*pages)[1]);
    EXPECT_NE(text.find("Face intérieure : résistance superficielle « -0.13 » hors limites"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find(kDynamicValues.front().label), std::string::npos);
}

// Both pages draw the same project data tables in the same place: the block beside them on the
// project data page leaves them as they are.
TEST(ReportImage, DynamicBlockLeavesTheProjectDataTablesAsTheyAre)
{
    KslDoc doc;
    ReportPrinter report(doc, InputsFromDocument(doc), {});
    report.SetFlags(Flags({ 2, 3 }));
    report.SetPrintTime(kPrintTime);
    auto render = [&](int page) {
        QImage image(1169, 827, QImage::Format_RGB32);
        image.setDotsPerMeterX(3937);
        image.setDotsPerMeterY(3937);
        image.fill(Qt::white);
        QPainter painter(&image);
        report.DrawPage(painter, page);
        painter.end();
        return image;
    };
    const QImage wallPage = render(0);
    const QImage dataPage = render(1);
    // The plots and the block start at two fifths of the body at the earliest.
    const QRect tables(0, 0, wallPage.width() * 37 / 100, wallPage.height());
    EXPECT_EQ(wallPage.copy(tables), dataPage.copy(tables));
    EXPECT_NE(wallPage, dataPage);
}

TEST(ReportPdf, ShortRunLast24HoursStartsAtHourZero)
{
    KslDoc doc;
    RunView run;
    const auto pages = ReportText(doc, Flags({ 1 }), 10, &run);
    SKIP_WITHOUT_PDFTOTEXT(pages);
    ASSERT_EQ(run.hours, 10);
    const std::string text = Squeezed(pages->front());
    EXPECT_NE(text.find("(temps final = 9 h)"), std::string::npos);
    // Extremes over hours 0 to 9, found here directly from the series.
    for (int s = 0; s < kSeriesCount; ++s) {
        const std::vector<float>& series = run.series[static_cast<size_t>(s)];
        ASSERT_EQ(series.size(), 10u);
        const auto lo = std::min_element(series.begin(), series.end());
        const auto hi = std::max_element(series.begin(), series.end());
        const std::string expected = "Min=" + FormatDouble("%.1f", *lo) + " à "
            + std::to_string(lo - series.begin()) + " h, Max=" + FormatDouble("%.1f", *hi) + " à "
            + std::to_string(hi - series.begin()) + " h";
        EXPECT_NE(text.find(expected), std::string::npos) << SeriesTitle(SeriesId(s));
    }
    // The time axes run from 0 to the ten recorded hours.
    EXPECT_NE(text.find("0 10"), std::string::npos) << text;
}

TEST(ReportPdf, FullRunLast24HoursCountsFromTheWindowStart)
{
    KslDoc doc;
    RunView run;
    const auto pages = ReportText(doc, Flags({ 1 }), 169, &run);
    SKIP_WITHOUT_PDFTOTEXT(pages);
    const std::string text = Squeezed(pages->front());
    EXPECT_NE(text.find("(temps final = 168 h)"), std::string::npos);
    const std::vector<float>& exterior = run.series[0];
    ASSERT_EQ(exterior.size(), 169u);
    const auto first = exterior.begin() + 145;
    const auto hi = std::max_element(first, exterior.end());
    EXPECT_NE(
        text.find("Max=" + FormatDouble("%.1f", *hi) + " à " + std::to_string(hi - first) + " h"),
        std::string::npos);
    EXPECT_NE(text.find("0 24"), std::string::npos);
}

// --- drawing on other devices ----------------------------------------------------------------

TEST(ReportImage, SamePageOnAnyResolution)
{
    KslDoc doc;
    ReportPrinter report(doc, InputsFromDocument(doc), test::RunHours(doc, 30));
    report.SetFlags(Flags({ 0 }));
    report.SetPrintTime(kPrintTime);
    // A4 landscape at 100 and 200 dots per inch.
    auto render = [&](int dpi) {
        QImage image(1169 * dpi / 100, 827 * dpi / 100, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
        image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
        image.fill(Qt::white);
        QPainter painter(&image);
        report.DrawPage(painter, 0);
        painter.end();
        return image;
    };
    const QImage small = render(100);
    const QImage large
        = render(200).scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Ink spread over the page, in the same places at both resolutions.
    int inkBoth = 0;
    int inkSmall = 0;
    for (int y = 0; y < small.height(); y += 2)
        for (int x = 0; x < small.width(); x += 2) {
            const bool a = qGray(small.pixel(x, y)) < 160;
            const bool b = qGray(large.pixel(x, y)) < 230;
            inkSmall += a;
            inkBoth += a && b;
        }
    EXPECT_GT(inkSmall, 1000);
    EXPECT_GT(inkBoth, inkSmall * 8 / 10);
}

} // namespace
} // namespace quelvan::printing
