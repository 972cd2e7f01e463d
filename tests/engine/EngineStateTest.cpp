#include "engine/EngineState.h"

#include "EngineTestSupport.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "model/AmbianceCheck.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quelvan {
namespace {

using test::SelectConstant;
using test::SetWall;

struct ClockCase {
    double seconds;
    ClockPrecision precision;
    const char* expected;
    friend void PrintTo(const ClockCase& c, std::ostream* os)
    {
        *os << quelvan::test::Number(c.seconds) << " s as " << c.expected;
    }
};
class ClockText : public ::testing::TestWithParam<ClockCase> { };
using C = ClockPrecision;

TEST_P(ClockText, DayHourMinuteSecond)
{
    EXPECT_EQ(FormatClockText(GetParam().seconds, GetParam().precision), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Times, ClockText,
    ::testing::Values(ClockCase { 3600, C::Seconds, "001:01:00:00:" },
        ClockCase { 0, C::Seconds, "001:00:00:00:" },
        ClockCase { -50, C::Seconds, "001:00:00:00:" },
        ClockCase { 90061, C::Seconds, "002:01:01:01:" },
        ClockCase { 3599.95, C::Seconds, "001:01:00:00:" }, // within 0.1 s of the hour
        ClockCase { 90061, C::Minutes, "002:01:01:" }, ClockCase { 90061, C::Hours, "002:01:" },
        ClockCase { 90061, C::Days, "002:" }));

// The form's values choose the document's records; a project with a file adds its folder to
// the weather search.
TEST(CalculationInputs, FormValuesChooseTheDocumentsRecords)
{
    KslDoc doc;
    doc.SetPath("/tmp/etude/mur.ksl");
    FormValues form = doc.StoredFormValues();
    form.selectedExterior = 4;
    form.selectedInterior = -1;
    form.surfaces.absorptionExterior = "0.9";
    form.azimuthIndex = 1;
    const CalculationInputs in = InputsFor(doc, form, { "meteo", "" });
    ASSERT_NE(in.exteriorAmbiance, nullptr);
    EXPECT_EQ(in.exteriorAmbiance->Index(), 4);
    EXPECT_EQ(in.interiorAmbiance, nullptr);
    EXPECT_EQ(in.surfaces.absorptionExterior, "0.9");
    EXPECT_EQ(in.azimuthIndex, 1);
    EXPECT_EQ(in.weather.explicitDirectory, "meteo");
    EXPECT_EQ(in.weather.projectDirectory, "/tmp/etude/");
    const CalculationInputs stored = InputsFromDocument(doc);
    EXPECT_EQ(stored.interiorAmbiance, doc.SelectedAmbiance(Side::Interior));
    EXPECT_EQ(stored.surfaces, doc.surfaces);
    const KslDoc unnamed;
    EXPECT_TRUE(InputsFromDocument(unnamed).weather.projectDirectory.empty());
}

// The default project with a constant exterior and interior temperature and no flux.
class Prepared : public ::testing::Test {
protected:
    KslDoc doc;
    EngineState engine;
    const RunView& run = engine.View();

    ErrorCode Prepare() { return engine.PrepareCalculation(doc, InputsFromDocument(doc)); }
    void RunWeek()
    {
        for (int i = 0; i < kRunHours; ++i)
            engine.AdvanceHour(doc, true, true);
    }
    float Cell(int row, int column) const { return FloatValue(doc.results.Cell(row, column)); }
};

TEST_F(Prepared, AutomaticStartRecordsHourZeroAndAWeekGives169Hours)
{
    ASSERT_EQ(Prepare(), Failure::None);
    EXPECT_TRUE(engine.IsPrepared());
    EXPECT_EQ(run.hours, 1);
    EXPECT_EQ(doc.nextResultsRow, 2);
    EXPECT_EQ(doc.results.Cell(1, 0), "0");
    EXPECT_DOUBLE_EQ(run.clock, 3600.0);
    // Hour 0 was shown at t = 0, then the preparation's last refresh shows the moved clock.
    EXPECT_EQ(run.Readouts().clock, "001:01:00:00:");
    EXPECT_EQ(run.Readouts().hour, "1");
    EXPECT_EQ(run.Readouts().day, "1");
    EXPECT_EQ(run.NodeCount(), 16);
    EXPECT_EQ(run.AbscissaLabels()[0], "0");
    EXPECT_EQ(run.AbscissaLabels()[1], "260");

    for (int i = 0; i < 24; ++i)
        engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(run.Readouts().clock, "002:00:00:00:");
    EXPECT_EQ(run.Readouts().day, "2");
    for (int i = 24; i < kRunHours; ++i)
        engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(run.hours, 169);
    EXPECT_FALSE(engine.CanAdvance());
    EXPECT_EQ(doc.results.Cell(169, 0), "168");
    EXPECT_EQ(run.Readouts().clock, "008:00:00:00:");
    for (int s = 0; s < kSeriesCount; ++s)
        EXPECT_EQ(run.Series(static_cast<SeriesId>(s)).size(), 169u);
    // A further step is refused: the table has no row for it.
    engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(run.hours, 169);
    EXPECT_DOUBLE_EQ(run.clock, 169 * 3600.0);
}

TEST_F(Prepared, ConstantAmbiancesHoldTheSteadyStateEveryHour)
{
    SelectConstant(doc, Side::Exterior, "0");
    SelectConstant(doc, Side::Interior, "20");
    ASSERT_EQ(Prepare(), Failure::None);
    const std::vector<float> steady = run.nodes.T;
    RunWeek();
    for (size_t i = 0; i < steady.size(); ++i)
        EXPECT_NEAR(run.nodes.T[i], steady[i], 0.01) << i;
    // Steady flux, the same through every node, toward the exterior.
    const double q = 20.0 * run.uValue;
    for (float phi : run.nodes.Phi)
        EXPECT_NEAR(phi, -q, 0.05);
    // Results: total surface fluxes both equal U x 20; sol-air difference times U too.
    EXPECT_NEAR(Cell(169, 6), q, 0.02);
    EXPECT_NEAR(Cell(169, 7), q, 0.02);
    EXPECT_NEAR(Cell(169, 11), q, 0.011);
    EXPECT_EQ(doc.results.Cell(169, 1), "0");
    EXPECT_EQ(doc.results.Cell(169, 4), "20");
    EXPECT_EQ(doc.results.Cell(169, 13), "20");
    // Energies over the week: q x 168 h, out through the exterior and in from the interior.
    EXPECT_NEAR(run.interiorEnergy, q * 168 * 3600, q * 168 * 3600 * 0.002);
    EXPECT_NEAR(Cell(169, 10), run.interiorEnergy, 1.0);
    EXPECT_EQ(doc.results.Cell(169, 10).find('.'), std::string::npos);
}

TEST_F(Prepared, EnvelopesRestartDailyButNotAfterTheLastDay)
{
    ASSERT_EQ(Prepare(), Failure::None); // sinusoidal exterior and interior
    std::vector<std::vector<float>> history { run.nodes.T };
    for (int i = 0; i < kRunHours; ++i) {
        engine.AdvanceHour(doc, true, true);
        history.push_back(run.nodes.T);
    }
    for (size_t node = 0; node < history[0].size(); ++node) {
        float lo = 1e9f, hi = -1e9f;
        for (size_t h = 144; h <= 168; ++h) {
            lo = std::min(lo, history[h][node]);
            hi = std::max(hi, history[h][node]);
        }
        EXPECT_FLOAT_EQ(run.nodes.Tmin[node], lo) << node;
        EXPECT_FLOAT_EQ(run.nodes.Tmax[node], hi) << node;
    }
    // The bounds cover the whole run and are whole degrees.
    const auto& tse = run.Series(SeriesId::ExteriorSurfaceTemperature);
    EXPECT_GE(run.bounds.upper, *std::max_element(tse.begin(), tse.end()));
    EXPECT_EQ(run.bounds.upper, std::floor(run.bounds.upper));
}

TEST_F(Prepared, ChartBoundsAndTheirLabels)
{
    SelectConstant(doc, Side::Exterior, "-4.5");
    SelectConstant(doc, Side::Interior, "20");
    ASSERT_EQ(Prepare(), Failure::None);
    // q = 24.5 U = 16.2 W/m2: interior surface 20 - 0.13 q = 17.9, up to 18; exterior
    // surface -4.5 + 0.04 q = -3.85, down to -4.
    EXPECT_FLOAT_EQ(run.bounds.upper, 18.0f);
    EXPECT_FLOAT_EQ(run.bounds.lower, -4.0f);
    EXPECT_TRUE(run.bounds.upperChanged);
    EXPECT_TRUE(run.bounds.lowerChanged);
    engine.AdvanceHour(doc, true, true);
    EXPECT_FALSE(run.bounds.upperChanged);
    EXPECT_FALSE(run.bounds.lowerChanged);
}

TEST_F(Prepared, EqualTemperaturesShowZeroSurfaceFluxes)
{
    SelectConstant(doc, Side::Exterior, "20");
    SelectConstant(doc, Side::Interior, "20");
    ASSERT_EQ(Prepare(), Failure::None);
    engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(run.Readouts().interiorSurfaceFlux, "0");
    EXPECT_EQ(run.Readouts().exteriorSurfaceFlux, "0");
    EXPECT_EQ(run.Readouts().interiorTemperature, "20");
    // Zero chart minimum goes one below.
    SelectConstant(doc, Side::Exterior, "0");
    SelectConstant(doc, Side::Interior, "0");
    ASSERT_EQ(Prepare(), Failure::None);
    EXPECT_FLOAT_EQ(run.bounds.lower, -1.0f);
    EXPECT_FLOAT_EQ(run.bounds.upper, 0.0f);
}

TEST_F(Prepared, PreviousCalculationModeStartsFromTheLastTemperatures)
{
    ASSERT_EQ(Prepare(), Failure::None);
    RunWeek();
    const std::vector<float> last = run.nodes.T;
    doc.initialTemperatureMode = InitialTemperature::PreviousCalculation;
    ASSERT_EQ(Prepare(), Failure::None);
    EXPECT_EQ(run.hours, 0);
    EXPECT_EQ(doc.nextResultsRow, 1);
    EXPECT_DOUBLE_EQ(run.clock, 0.0);
    EXPECT_EQ(run.nodes.T, last);
    RunWeek();
    EXPECT_EQ(run.hours, 168);
    EXPECT_EQ(doc.results.Cell(168, 0), "167");
    EXPECT_EQ(doc.results.Cell(169, 0), "0"); // untouched
}

TEST_F(Prepared, PreviousModeWithoutPreviousTemperaturesStartsSteady)
{
    SelectConstant(doc, Side::Exterior, "0");
    SelectConstant(doc, Side::Interior, "20");
    doc.initialTemperatureMode = InitialTemperature::PreviousCalculation;
    ASSERT_EQ(Prepare(), Failure::None);
    EXPECT_EQ(run.hours, 0);
    EXPECT_NEAR(run.nodes.T.front(), 20.0 * run.uValue * 0.04, 0.01);
    // A different wall has a different node count: steady again.
    SetWall(doc, { { "Béton lourd", "150" } });
    ASSERT_EQ(Prepare(), Failure::None);
    EXPECT_EQ(run.NodeCount(), 6);
    EXPECT_NEAR(run.nodes.T.back(), 20.0 - 20.0 * run.uValue * 0.13, 0.01);
}

struct FailureCase {
    const char* name;
    std::function<void(KslDoc&)> spoil;
    ErrorCode code;
    const char* message;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};
class PreparationFailures : public ::testing::TestWithParam<FailureCase> { };

TEST_P(PreparationFailures, StayUnpreparedWithTheirMessage)
{
    KslDoc doc;
    GetParam().spoil(doc);
    EngineState engine;
    const RunView& run = engine.View();
    EXPECT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), GetParam().code);
    EXPECT_EQ(run.lastError, GetParam().code);
    EXPECT_EQ(engine.LastErrorMessage(), GetParam().message);
    EXPECT_FALSE(engine.IsPrepared());
    EXPECT_FALSE(engine.CanAdvance());
    engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(run.hours, 0);
    EXPECT_EQ(doc.nextResultsRow, 1);
    // A sound project afterwards prepares normally.
    KslDoc sound;
    EXPECT_EQ(engine.PrepareCalculation(sound, InputsFromDocument(sound)), Failure::None);
    EXPECT_EQ(run.lastError, Failure::None);
    EXPECT_TRUE(engine.CanAdvance());
}

INSTANTIATE_TEST_SUITE_P(Projects, PreparationFailures,
    ::testing::Values(FailureCase { "no exterior record",
                          [](KslDoc& d) { d.selectedExterior = 77; }, AmbianceFault::NoAmbiance,
                          "Aucune ambiance extérieure n'est choisie : calcul impossible" },
        FailureCase { "no layer", [](KslDoc& d) { d.layers.Clear(); }, WallFault::NoLayer,
            msg::kWallHasNoLayer },
        FailureCase { "layer without material",
            [](KslDoc& d) { d.layers.At(0).SetMaterial(nullptr); }, WallFault::LayerWithoutMaterial,
            "Couche 1 : pas de matériau : calcul impossible" },
        FailureCase { "weather file missing",
            [](KslDoc& d) {
                CBCData& r = d.exteriorAmbiances.At(11);
                r.cityIndex = 42;
                d.selectedExterior = r.Index();
            },
            Failure::WeatherFile,
            "Erreur en lecture du fichier météo : FR_UndefinedFile.wth : fichier introuvable" }));

// A study's run writes no row of texts, and computes the same hours as the form's run.
TEST_F(Prepared, ARunWithoutTheResultsTableComputesTheSameHours)
{
    KslDoc studied;
    EngineState study;
    study.SetWritesResultsTable(false);
    ASSERT_EQ(Prepare(), Failure::None);
    ASSERT_EQ(study.PrepareCalculation(studied, InputsFromDocument(studied)), Failure::None);
    RunWeek();
    for (int i = 0; i < kRunHours; ++i)
        study.AdvanceHour(studied, true, true);
    const RunView& studiedRun = study.View();
    EXPECT_EQ(studiedRun.hours, run.hours);
    for (int s = 0; s < kSeriesCount; ++s)
        EXPECT_EQ(
            studiedRun.Series(static_cast<SeriesId>(s)), run.Series(static_cast<SeriesId>(s)));
    EXPECT_EQ(studiedRun.interiorEnergy, run.interiorEnergy);
    EXPECT_EQ(studiedRun.Readouts().clock, run.Readouts().clock);
    // The form's table holds the week; the study's stays as a reset leaves it.
    const KslDoc reset;
    EXPECT_EQ(doc.results.Cell(169, 0), "168");
    EXPECT_EQ(studied.nextResultsRow, 1);
    for (int row = 1; row < reset.results.RowCount(); row += 42)
        for (int column = 0; column < KslDoc::kResultColumns; ++column)
            EXPECT_EQ(studied.results.Cell(row, column), reset.results.Cell(row, column)) << row;
}

TEST_F(Prepared, ViewFollowsTheRunAndACopyKeepsIt)
{
    ASSERT_EQ(Prepare(), Failure::None);
    engine.AdvanceHour(doc, true, true);
    const RunView kept = run;
    EXPECT_TRUE(kept.prepared);
    EXPECT_EQ(kept.Readouts().clock, "001:01:00:00:"); // the hour just computed
    engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(run.hours, 3);
    EXPECT_EQ(kept.hours, 2);
    EXPECT_EQ(kept.Series(SeriesId::InteriorSurfaceFlux).size(), 2u);
    engine.Unprepare();
    EXPECT_FALSE(run.prepared);
    EXPECT_TRUE(kept.prepared);
}

} // namespace
} // namespace quelvan
