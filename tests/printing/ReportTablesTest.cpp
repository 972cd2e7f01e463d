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

using Texts = std::vector<std::string>;

Texts Column(const NGridTable& table, int column)
{
    Texts texts;
    for (int r = 0; r < table.RowCount(); ++r)
        texts.push_back(table.Cell(r, column).text);
    return texts;
}

Texts RowTexts(const NGridTable& table, int row)
{
    Texts texts;
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

TEST(LayersTable, FromTwoLayersTheFirstAndLastNameTheirSide)
{
    KslDoc doc;
    SetWall(doc, { "150" });
    EXPECT_EQ(
        RowTexts(LayersTable(doc, 60), 1), (Texts { "1", "150", doc.materials.At(0).Name() }));
    SetWall(doc, { "200", "50" });
    EXPECT_EQ(Column(LayersTable(doc, 60), 0), (Texts { "", "1 (Extérieur)", "2 (Intérieur)" }));
    SetWall(doc, { "200", "50", "10", "13" });
    EXPECT_EQ(Column(LayersTable(doc, 60), 0),
        (Texts { "", "1 (Extérieur)", "2", "3", "4 (Intérieur)" }));
}

// --- surfaces --------------------------------------------------------------------------------

TEST(SurfacesTable, TextsAsTypedAndAmbianceNames)
{
    KslDoc doc;
    CalculationInputs form = InputsFromDocument(doc);
    form.surfaces.absorptionExterior = "0,85";
    form.surfaces.resistanceInterior = "0.130";
    const NGridTable table = SurfacesTable(form, 60);
    EXPECT_EQ(RowTexts(table, 1),
        (Texts { "Extérieur", "0,85", form.surfaces.resistanceExterior,
            doc.SelectedAmbiance(Side::Exterior)->Name() }));
    EXPECT_EQ(RowTexts(table, 2),
        (Texts { "Intérieur", form.surfaces.absorptionInterior, "0.130",
            doc.SelectedAmbiance(Side::Interior)->Name() }));
}

// --- ambiance tables -------------------------------------------------------------------------

using T = ProfileType;
constexpr Component kTemperature = Component::Temperature;
constexpr Component kFlux = Component::Flux;

struct AmbianceCase {
    T type;
    Component component;
    Texts values; // after the component and the period: the form's name and its parameters
    friend void PrintTo(const AmbianceCase& c, std::ostream* os)
    {
        *os << c.values.front() << (c.component == kTemperature ? " temperature" : " flux");
    }
};

class AmbianceTables : public ::testing::TestWithParam<AmbianceCase> { };

TEST_P(AmbianceTables, StoredValuesOfTheFormEachUnderAHeader)
{
    const AmbianceCase& c = GetParam();
    const std::array<std::string, 4> values { "1.5", "2,5", "3", "4" };
    CBCData ambiance(kAmbianceIdentifierBase, "Essai", Side::Exterior,
        c.component == kTemperature ? c.type : T::Null, c.component == kFlux ? c.type : T::Null,
        Period::Week, Period::Week, values, values);
    const NGridTable table = AmbianceTable(ambiance, c.component, 50);
    ASSERT_EQ(table.RowCount(), 2);
    Texts row { c.component == kTemperature ? "Température" : "Flux", "Semaine" };
    row.insert(row.end(), c.values.begin(), c.values.end());
    EXPECT_EQ(RowTexts(table, 1), row);
    for (int column = 1; column < table.ColumnCount(); ++column)
        EXPECT_FALSE(table.Cell(0, column).text.empty()) << column;
}

INSTANTIATE_TEST_SUITE_P(Forms, AmbianceTables,
    ::testing::Values(AmbianceCase { T::Null, kTemperature, { "Nul", "" } },
        AmbianceCase { T::Null, kFlux, { "Nul", "" } },
        AmbianceCase { T::Constant, kTemperature, { "Constante", "1.5" } },
        AmbianceCase { T::Sinusoid, kFlux, { "Sinus", "1.5", "2,5", "3" } },
        AmbianceCase { T::Ramp, kTemperature, { "Rampe", "1.5", "2,5", "3", "4" } },
        AmbianceCase { T::Square, kFlux, { "Créneau", "1.5", "2,5", "3", "4" } },
        AmbianceCase { T::Solar, kFlux, { "Calculé", "1.5", "2,5", "3", "4" } }));

TEST(AmbianceTable, WeatherFileAmbianceHasNone)
{
    KslDoc doc;
    CBCData ambiance(kAmbianceIdentifierBase, "Météo", Side::Exterior, T::Weather, T::Weather,
        Period::Day, Period::Day, { "Agen", "32", "", "" }, { "", "", "", "" });
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

// --- material library -----------------------------------------------------------------------

TEST(MaterialTable, DerivedValuesByHandAndDashesForAnUnreadableProperty)
{
    KslDoc doc;
    doc.materials.Clear();
    // a = 2 / (2450 x 1000) = 0.816e-6 m²/s; b = sqrt(2 x 2450 x 1000) = 2213.6.
    doc.AddMaterial(3001, 0, "Béton", "2", "2450", "1000");
    // a = 0.04 / (20 x 1030) = 1.94e-6; b = sqrt(0.04 x 20 x 1030) = 28.7.
    doc.AddMaterial(3002, 0, "Laine", "0,04", "20", "1030");
    doc.AddMaterial(3003, 0, "Mystère", "1.2", "abc", "900");
    const NGridTable table = MaterialLibraryTable(doc, 1000, 60);
    ASSERT_EQ(table.RowCount(), 4);
    EXPECT_EQ(RowTexts(table, 1), (Texts { "Béton", "2", "2450", "1000", "0.82", "2214" }));
    EXPECT_EQ(RowTexts(table, 2), (Texts { "Laine", "0,04", "20", "1030", "1.94", "29" }));
    EXPECT_EQ(RowTexts(table, 3), (Texts { "Mystère", "1.2", "abc", "900", "---", "---" }));
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

// The print layout belongs to the report's chart: labels 50 high and 2 below the ticks, end
// labels 160 wide put its plot origin at (160 + 15 + 15 + 3, 15 + 2 + 50 + 3 + 2 + 50); a screen
// chart built while it lives keeps the screen's (153, 192).
TEST(ReportPlot, PrintLayoutBelongsToTheReportChartAlone)
{
    ReportPlot plot(12);
    EXPECT_EQ(plot.Chart().PlotOrigin(), (graphics::IPoint { 193, 122 }));
    EXPECT_EQ(plot.Chart().XAxis().DivisionCount(), 12);
    EXPECT_EQ(graphics::CChart(graphics::TransformMode::Curve, 1000, 1000, true, true).PlotOrigin(),
        (graphics::IPoint { 153, 192 }));
}

} // namespace
} // namespace quelvan::printing
