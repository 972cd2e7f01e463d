#include "engine/EngineState.h"
#include "graphics/PainterOps.h"
#include "model/KslDoc.h"
#include "printing/MaterialLibraryTable.h"
#include "printing/ProjectDataTables.h"
#include "printing/ReportFrame.h"
#include "printing/ReportPlot.h"
#include "printing/TimeCurvePage.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace quelvan::printing {
namespace {

using graphics::NGridTable;

std::vector<std::string> Column(const NGridTable& table, int column)
{
    std::vector<std::string> texts;
    for (int r = 0; r < table.RowCount(); ++r)
        texts.push_back(table.Cell(r, column).text);
    return texts;
}

std::vector<std::string> RowTexts(const NGridTable& table, int row)
{
    std::vector<std::string> texts;
    for (int c = 0; c < table.ColumnCount(); ++c)
        texts.push_back(table.Cell(row, c).text);
    return texts;
}

// A wall of the given thicknesses, all of the library's first material.
void SetWall(KslDoc& doc, const std::vector<std::string>& thicknesses)
{
    doc.layers.Clear();
    for (const std::string& e : thicknesses)
        doc.AddLayer(&doc.materials.At(0), e);
}

// --- layers ----------------------------------------------------------------------------------

TEST(LayersTable, OneLayerIsNumberedWithoutSide)
{
    KslDoc doc;
    SetWall(doc, { "150" });
    const NGridTable table = LayersTable(doc, 60);
    ASSERT_EQ(table.RowCount(), 2);
    ASSERT_EQ(table.ColumnCount(), 3);
    EXPECT_EQ(table.Cell(1, 0).text, "1");
    EXPECT_EQ(table.Cell(1, 1).text, "150");
    EXPECT_EQ(table.Cell(1, 2).text, doc.materials.At(0).Name());
}

TEST(LayersTable, FirstAndLastNameTheirSide)
{
    KslDoc doc;
    SetWall(doc, { "200", "50" });
    EXPECT_EQ(Column(LayersTable(doc, 60), 0),
        (std::vector<std::string> { "", "1 (Extérieur)", "2 (Intérieur)" }));
    SetWall(doc, { "200", "50", "10", "13" });
    EXPECT_EQ(Column(LayersTable(doc, 60), 0),
        (std::vector<std::string> { "", "1 (Extérieur)", "2", "3", "4 (Intérieur)" }));
}

TEST(LayersTable, HeaderIsTwoRowsHighAndColumnsFitTheirText)
{
    KslDoc doc;
    const NGridTable table = LayersTable(doc, 60);
    EXPECT_EQ(RowTexts(table, 0), (std::vector<std::string> { "", "Epaisseur\n(mm)", "Matériau" }));
    EXPECT_EQ(table.Row(0).height, 123);
    EXPECT_EQ(table.Row(1).height, 60);
    EXPECT_EQ(table.leftMargin, 12);
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(table.Column(c).autoWidth);
}

// --- placement and surfaces ------------------------------------------------------------------

TEST(PlacementTable, DegreesOfTheChosenOrientation)
{
    const NGridTable table = PlacementTable(-145, 180, 60);
    EXPECT_EQ(RowTexts(table, 0), (std::vector<std::string> { "Données de la paroi", "Valeurs" }));
    EXPECT_EQ(RowTexts(table, 1), (std::vector<std::string> { "Azimut", "-145" }));
    EXPECT_EQ(RowTexts(table, 2), (std::vector<std::string> { "Inclinaison", "180" }));
}

TEST(SurfacesTable, TextsAsTypedAndAmbianceNames)
{
    KslDoc doc;
    CalculationInputs form = InputsFromDocument(doc);
    form.surfaces.absorptionExterior = "0,85";
    form.surfaces.resistanceInterior = "0.130";
    const NGridTable table = SurfacesTable(form, 60);
    EXPECT_EQ(RowTexts(table, 0),
        (std::vector<std::string> { "", "Abs.\n(-)", "Résis.\n(m².K/W)", "Ambiance" }));
    EXPECT_EQ(RowTexts(table, 1),
        (std::vector<std::string> {
            "Extérieur", "0,85", "0.04", doc.SelectedAmbiance(Side::Exterior)->Name() }));
    EXPECT_EQ(RowTexts(table, 2),
        (std::vector<std::string> {
            "Intérieur", "0.4", "0.130", doc.SelectedAmbiance(Side::Interior)->Name() }));
}

// --- ambiance tables -------------------------------------------------------------------------

using T = ProfileType;
constexpr Component kTemperature = Component::Temperature;
constexpr Component kFlux = Component::Flux;

struct AmbianceCase {
    T type;
    Component component;
    std::vector<std::string> header; // after "", "Période", "Forme"
    std::vector<std::string> values; // after the component, the period and the form name
};

class AmbianceTables : public ::testing::TestWithParam<AmbianceCase> { };

TEST_P(AmbianceTables, HeadersAndStoredValuesOfTheForm)
{
    const AmbianceCase& c = GetParam();
    const std::array<std::string, 4> values { "1.5", "2,5", "3", "4" };
    CBCData ambiance(4001, "Essai", Side::Exterior, c.component == kTemperature ? c.type : T::Null,
        c.component == kFlux ? c.type : T::Null, Period::Week, Period::Week, values, values);
    const NGridTable table = AmbianceTable(ambiance, c.component, 50);
    ASSERT_EQ(table.RowCount(), 2);
    std::vector<std::string> header { "", "Période", "Forme" };
    header.insert(header.end(), c.header.begin(), c.header.end());
    EXPECT_EQ(RowTexts(table, 0), header);
    std::vector<std::string> row { c.component == kTemperature ? "Température" : "Flux",
        "Semaine" };
    row.insert(row.end(), c.values.begin(), c.values.end());
    EXPECT_EQ(RowTexts(table, 1), row);
    EXPECT_EQ(table.Row(0).height, 103);
    EXPECT_EQ(table.leftMargin, 8);
}

INSTANTIATE_TEST_SUITE_P(Forms, AmbianceTables,
    ::testing::Values(AmbianceCase { T::Null, kTemperature, { "Valeur\n(° C)" }, { "Nul", "" } },
        AmbianceCase { T::Null, kFlux, { "Valeur\n(W/m²)" }, { "Nul", "" } },
        AmbianceCase { T::Constant, kTemperature, { "Valeur\n(° C)" }, { "Constante", "1.5" } },
        AmbianceCase { T::Sinusoid, kTemperature, { "Min\n(°C)", "Max\n(°C)", "H du maxi\n(h)" },
            { "Sinus", "1.5", "2,5", "3" } },
        AmbianceCase { T::Sinusoid, kFlux, { "Min\n(W/m²)", "Max\n(W/m²)", "H du maxi\n(h)" },
            { "Sinus", "1.5", "2,5", "3" } },
        AmbianceCase { T::Ramp, kTemperature,
            { "Min\n(°C)", "Max\n(°C)", "H déb.\n(h)", "H Fin\n(h)" },
            { "Rampe", "1.5", "2,5", "3", "4" } },
        AmbianceCase { T::Square, kFlux,
            { "Min\n(W/m²)", "Max\n(W/m²)", "H déb.\n(h)", "H Fin\n(h)" },
            { "Créneau", "1.5", "2,5", "3", "4" } },
        AmbianceCase { T::Solar, kFlux,
            { "C. Transp.\n(%)", "Latitude\n(deg)", "Albédo\n(%)", "1° Jour\n(-)" },
            { "Calculé", "1.5", "2,5", "3", "4" } }));

TEST(AmbianceTable, WeatherFileAmbianceHasNone)
{
    KslDoc doc;
    CBCData ambiance(4001, "Météo", Side::Exterior, T::Weather, T::Weather, Period::Day,
        Period::Day, { "Agen", "32", "", "" }, { "", "", "", "" });
    ambiance.ApplyWeatherCase();
    ASSERT_TRUE(ambiance.weatherFlag);
    EXPECT_EQ(AmbianceTable(ambiance, kTemperature, 50).ColumnCount(), 0);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(DrawAmbianceTable(painter, ambiance, kFlux, 10, 10, 50), 0);
    painter.end();
    EXPECT_EQ(image.pixel(12, 12), QColor(Qt::white).rgb());
}

TEST(AmbianceTable, DrawnHeightIsHeaderPlusValueRowAndGridLines)
{
    KslDoc doc;
    const CBCData& ambiance = *doc.SelectedAmbiance(Side::Interior);
    QImage image(1200, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    // Header 2 x 50 + 3, value row 50, three grid lines.
    EXPECT_EQ(DrawAmbianceTable(painter, ambiance, kTemperature, 0, 0, 50), 103 + 50 + 3);
}

// --- material library -----------------------------------------------------------------------

TEST(MaterialTable, UnreadableDensityPrintsDashesInBothDerivedColumns)
{
    KslDoc doc;
    doc.AddMaterial(3001 + doc.materials.Count(), 0, "Mystère", "1.2", "abc", "900");
    const NGridTable table = MaterialLibraryTable(doc, 1000, 60);
    const int row = table.RowCount() - 1;
    EXPECT_EQ(RowTexts(table, row),
        (std::vector<std::string> { "Mystère", "1.2", "abc", "900", "---", "---" }));
}

TEST(MaterialTable, DerivedValuesByHand)
{
    KslDoc doc;
    doc.materials.Clear();
    // a = 2 / (2450 x 1000) = 0.816e-6 m²/s; b = sqrt(2 x 2450 x 1000) = 2213.6.
    doc.AddMaterial(3001, 0, "Béton", "2", "2450", "1000");
    // a = 0.04 / (20 x 1030) = 1.94e-6; b = sqrt(0.04 x 20 x 1030) = 28.7.
    doc.AddMaterial(3002, 0, "Laine", "0,04", "20", "1030");
    const NGridTable table = MaterialLibraryTable(doc, 1000, 60);
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(RowTexts(table, 1),
        (std::vector<std::string> { "Béton", "2", "2450", "1000", "0.82", "2214" }));
    EXPECT_EQ(RowTexts(table, 2),
        (std::vector<std::string> { "Laine", "0,04", "20", "1030", "1.94", "29" }));
}

TEST(MaterialTable, ColumnsShareTheDrawingWidth)
{
    KslDoc doc;
    const NGridTable table = MaterialLibraryTable(doc, 1050, 60);
    // W = 1050 - 50 = 1000: five value columns of 120, the name the remaining 400.
    EXPECT_EQ(table.Column(0).width, 400);
    for (int c = 1; c < 6; ++c)
        EXPECT_EQ(table.Column(c).width, 120);
    EXPECT_EQ(table.Cell(0, 4).text, "Diffusivité\n10-6.(m²/s)");
    EXPECT_EQ(table.Row(0).height, 123);
    EXPECT_EQ(table.RowCount(), doc.materials.Count() + 1);
}

TEST(MaterialTable, RowHeightShrinksForALongLibrary)
{
    EXPECT_EQ(LibraryRowHeight(19, 2600, 90, 24), 90);
    // 60 materials: 62 rows and their grid lines must fit 2600 units.
    const int h = LibraryRowHeight(60, 2600, 90, 24);
    EXPECT_LE(62 * h + 62 + 3, 2600);
    EXPECT_GT(62 * (h + 1) + 62 + 3, 2600);
    EXPECT_EQ(LibraryRowHeight(500, 2600, 90, 24), 24);
}

// --- project data on one page ----------------------------------------------------------------

class ProjectDataFit : public ::testing::TestWithParam<int> { };

TEST_P(ProjectDataFit, LongWallsStillFitTheBody)
{
    KslDoc doc;
    doc.layers.Clear();
    for (int i = 0; i < GetParam(); ++i)
        doc.AddLayer(&doc.materials.At(i % doc.materials.Count()), "25");
    const CalculationInputs form = InputsFromDocument(doc);
    constexpr int kBody = 2600;
    QImage image(3000, 4000, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(CaptionFont(true));
    const int caption = graphics::TextHeight(painter);
    const int rowHeight = ProjectDataRowHeight(doc, form, kBody, caption, 84);
    const DrawnExtent extent = DrawProjectData(painter, doc, form, { 0, 0 }, rowHeight);
    EXPECT_LE(extent.bottom, kBody) << "row height " << rowHeight;
    // A short wall keeps the full row height; only long ones need lower rows.
    if (GetParam() == 1) {
        EXPECT_EQ(rowHeight, 84);
    } else if (GetParam() >= 20) {
        EXPECT_LT(rowHeight, 84);
    }
}

INSTANTIATE_TEST_SUITE_P(Layers, ProjectDataFit, ::testing::Values(1, 3, 10, 20, 30));

// --- plot data ------------------------------------------------------------------------------

TEST(WindowExtremes, FirstOccurrenceCountedFromTheWindowStart)
{
    const std::vector<float> series { 3, 1, 1, 5, 5, 2, 7 };
    const SeriesExtremes all = WindowExtremes(series, { 0, 6 });
    EXPECT_FLOAT_EQ(all.minimum, 1.0f);
    EXPECT_EQ(all.minimumHour, 1);
    EXPECT_FLOAT_EQ(all.maximum, 5.0f);
    EXPECT_EQ(all.maximumHour, 3);
    EXPECT_EQ(ExtremesText(all), "Min=1.0 à 1 h, Max=5.0 à 3 h");
    const SeriesExtremes tail = WindowExtremes(series, { 2, 7 });
    EXPECT_EQ(tail.minimumHour, 0);
    EXPECT_EQ(tail.maximumHour, 4);
    EXPECT_EQ(ExtremesText(WindowExtremes({}, { 0, 0 })), "Min=0.0 à 0 h, Max=0.0 à 0 h");
}

TEST(PlotRange, IntegerRangeOfTheData)
{
    const std::vector<float> a { 15.2f, 20.0f, 17.0f };
    EXPECT_EQ(PlotRange(a).bottom, 15);
    EXPECT_EQ(PlotRange(a).top, 20);
    const std::vector<float> b { -3.0f, 0.0f };
    EXPECT_EQ(PlotRange(b).bottom, -4);
    EXPECT_EQ(PlotRange(b).top, 0);
    EXPECT_EQ(PlotRange({}).bottom, -1);
    EXPECT_EQ(PlotRange({}).top, 0);
}

TEST(ReportPlot, PrintLayoutHoldsOnlyWhileThePlotLives)
{
    {
        ReportPlot plot(12);
        EXPECT_EQ(graphics::ChartLayout::Current().labelHeight, 50);
        EXPECT_EQ(graphics::ChartLayout::Current().tickLabelWidth, 160);
        // Plot origin: 160 + 15 + 15 + 3 across; 15 + 2 + 50 + 3 + 2 + 50 up with the X title.
        EXPECT_EQ(plot.Chart().PlotOrigin(), (graphics::IPoint { 193, 122 }));
        EXPECT_EQ(plot.Chart().XAxis().DivisionCount(), 12);
    }
    EXPECT_EQ(graphics::ChartLayout::Current().labelHeight, 70);
    EXPECT_EQ(graphics::ChartLayout::Current().tickLabelWidth, 120);
}

} // namespace
} // namespace quelvan::printing
