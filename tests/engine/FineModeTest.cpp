// The fine mode: its stepper's start from another mesh and its heat balance across jumps of the
// boundary values, then the fine mode inside a calculation (what it shows, and "calcul
// précédent" across meshes). Its accuracy against exact solutions is tests/validation.
#include "EngineTestSupport.h"
#include "ReferenceLayers.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "engine/FineStepper.h"
#include "model/KslDoc.h"
#include "validation/ReferenceSolutions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace quelvan {
namespace {

using test::kConcrete;
using test::kGlassWool;
using test::kPlaster;
using test::kPolystyrene;
const std::vector<SiLayer> kNewProjectLayers { kConcrete, kGlassWool, kPlaster };
constexpr double kRse = 0.04;
constexpr double kRsi = 0.13;

TEST(FineEnergy, HeatHeldByTheWallEqualsTheIntegratedSurfaceHeat)
{
    // A week of sun, a cold front, a room on a day/night schedule, and two jumps of the
    // boundary values at whole hours (which restart the implicit Euler damping; a calculation
    // never makes them, so the validation's week does not see them).
    auto at = [](int h) -> FineBoundary {
        const double hour = h % 24;
        const double sun
            = hour > 6 && hour < 18 ? 650 * std::sin(std::numbers::pi * (hour - 6) / 12) : 0;
        return { 6 + 7 * std::sin(2 * std::numbers::pi * (hour - 9) / 24)
                - (h > 60 && h < 90 ? 9 : 0),
            sun, hour >= 7 && hour < 22 ? 21.0 : 17.0, hour >= 12 && hour < 14 ? 40.0 : 0.0 };
    };
    const std::vector<SiLayer> layers { kPolystyrene, kConcrete, kGlassWool, kPlaster };
    FineStepper stepper(layers, { 1 / kRse, 1 / kRsi, 0.6, 0.3 });
    stepper.SolveSteadyState(at(0));
    std::vector<float> x(stepper.Mesh().Positions().begin(), stepper.Mesh().Positions().end());
    auto held = [&] {
        const std::vector<float> t(stepper.Temperatures().begin(), stepper.Temperatures().end());
        return validation::HeldHeat(layers, x, t);
    };
    const double start = held();
    double gained = 0;
    int hoursBothWays = 0; // hours in which the interior flux changes sign
    for (int h = 0; h < 168; ++h) {
        const bool jump = h == 40 || h == 100; // the hour's start value held to its end
        const FineHourEnergies e = stepper.AdvanceHour(jump ? at(h + 1) : at(h), at(h + 1));
        gained += e.Gain();
        // The room's heat split by sign adds up to the interior face's heat.
        EXPECT_NEAR(e.interiorLoss - e.interiorGain, e.interiorSurface + e.interiorAbsorbed, 1e-6);
        hoursBothWays += e.interiorLoss > 0 && e.interiorGain > 0 ? 1 : 0;
    }
    EXPECT_GT(hoursBothWays, 0);
    const double change = held() - start;
    ASSERT_GT(std::fabs(change), 1e6); // several MJ/m² really stored
    EXPECT_NEAR(gained, change, 1e-5 * std::fabs(change)); // the float nodes' rounding
}

// The default project with constant airs, prepared in either mode.
class FineCalculation : public ::testing::Test {
protected:
    KslDoc doc;
    EngineState engine;
    const RunView& run = engine.View();

    void SetUp() override
    {
        test::SelectConstant(doc, Side::Exterior, "-5");
        test::SelectConstant(doc, Side::Interior, "20");
    }
    ErrorCode Prepare(
        CalculationMode mode, InitialTemperature start = InitialTemperature::Automatic)
    {
        CalculationInputs inputs = InputsFromDocument(doc);
        inputs.mode = mode;
        inputs.initialTemperatureMode = start;
        return engine.PrepareCalculation(doc, inputs);
    }
    // Every node on the series-resistance line, every node flux the steady flux (within what
    // the standard method's sweeps leave).
    void ExpectSteady(const char* when) const
    {
        const std::vector<double> faces
            = validation::SeriesResistanceTemperatures({ kNewProjectLayers, kRse, kRsi }, -5, 20);
        std::vector<double> ends { 0.0 };
        for (const SiLayer& l : kNewProjectLayers)
            ends.push_back(ends.back() + l.thickness);
        const double flux = (faces.back() - 20) / kRsi; // toward the interior
        for (std::size_t i = 0; i < run.nodes.x.size(); ++i) {
            std::size_t k = 0;
            while (k + 2 < ends.size() && run.nodes.x[i] > ends[k + 1])
                ++k;
            const double s = (run.nodes.x[i] - ends[k]) / (ends[k + 1] - ends[k]);
            EXPECT_NEAR(run.nodes.T[i], faces[k] + (faces[k + 1] - faces[k]) * s, 2e-3)
                << when << ", node " << i;
        }
        for (std::size_t i = 0; i < run.nodes.Phi.size() && run.hours > 0; ++i)
            EXPECT_NEAR(run.nodes.Phi[i], flux, 2e-3) << when << ", node flux " << i;
    }
};

// Hour i of a "Sinusoïdale" from low to high peaking at hour `peak`, as the profile stores it.
float SinusoidHour(double low, double high, int peak, int i)
{
    const double v = (low + high) / 2
        + (high - low) / 2 * std::sin((i - peak) * std::numbers::pi / 12 + std::numbers::pi / 2);
    return FloatValue(FormatDouble("%.2f", v));
}

TEST_F(FineCalculation, TakesEachHoursOwnValueFromTheFirstDayOnWhereTheStandardModeLagsAnHour)
{
    // The built-in sinusoids, 25/35 °C outside and 20/30 °C inside, both peaking at 15 h. The
    // fine mode gives hour h the value of hour h mod 24 of the day, day 1 included; the standard
    // mode's evaluation gives hours 1 to 24 the value of the hour before, then agrees.
    KslDoc standardDoc;
    EngineState standard;
    ASSERT_EQ(
        standard.PrepareCalculation(standardDoc, InputsFromDocument(standardDoc)), Failure::None);
    KslDoc fineDoc;
    CalculationInputs inputs = InputsFromDocument(fineDoc);
    inputs.mode = CalculationMode::Fine;
    ASSERT_EQ(engine.PrepareCalculation(fineDoc, inputs), Failure::None);
    for (int h = 0; h < kRunHours; ++h) {
        standard.AdvanceHour(standardDoc, true, true);
        engine.AdvanceHour(fineDoc, true, true);
    }
    EXPECT_EQ(run.mode, CalculationMode::Fine);
    ASSERT_EQ(run.hours, kRecordedHours);
    const RunView& other = standard.View();
    for (int h = 0; h <= 48; ++h) {
        const int lagged = h >= 1 && h <= 24 ? h - 1 : h;
        const auto i = static_cast<std::size_t>(h);
        EXPECT_EQ(run.Series(SeriesId::ExteriorTemperature)[i], SinusoidHour(25, 35, 15, h % 24));
        EXPECT_EQ(run.Series(SeriesId::InteriorTemperature)[i], SinusoidHour(20, 30, 15, h % 24));
        EXPECT_EQ(
            other.Series(SeriesId::ExteriorTemperature)[i], SinusoidHour(25, 35, 15, lagged % 24));
    }
    for (int row = 26; row <= kRecordedHours; ++row) // hours 25 to 168
        for (const int column : { 0, 1, 4, 5, 8 }) // H, TE, TI, FE, FI
            ASSERT_EQ(fineDoc.results.Cell(row, column), standardDoc.results.Cell(row, column))
                << "row " << row << ", column " << column;
    // The daily wave enters the room alike on days 2 and 3 but for what is left of the start
    // from the steady state, which decays smoothly: at hour 25 no more than beside it.
    const auto& q = run.Series(SeriesId::InteriorSurfaceFlux);
    const auto dayApart = [&q](std::size_t h) { return std::fabs(q[h] - q[h + 24]); };
    EXPECT_LE(dayApart(25), std::max(dayApart(24), dayApart(26)));
    // Cells of at most δ/8 and ten per layer: 200 mm of concrete (δ = 150 mm) takes 11 cells,
    // the glass wool and the plaster 10 each.
    EXPECT_EQ(run.NodeCount(), 32);
    EXPECT_EQ(run.AbscissaLabels(), other.AbscissaLabels());
    EXPECT_NEAR(run.nodes.x.back(), run.totalThickness, 1e-6);
    // The heat through the interior surface over the week, close in both modes.
    EXPECT_NEAR(run.interiorEnergy, other.interiorEnergy, 0.2 * std::fabs(other.interiorEnergy));
}

// The computed clear-sky sun on a south face is symmetric about solar noon (12 h in the sun
// model), so each day's flux peaks at 12 h with equal values at 11 h and 13 h, day 1 included,
// when every hour takes the sun of that hour.
TEST_F(FineCalculation, ComputedSunOnASouthFacePeaksAtNoonEveryDay)
{
    doc.selectedExterior = 10; // built-in "Température nulle avec flux solaire", weekly, day 1
    ASSERT_EQ(doc.azimuthIndex, kDefaultAzimuthIndex); // Sud
    ASSERT_EQ(Prepare(CalculationMode::Fine), Failure::None);
    for (int h = 0; h < kRunHours; ++h)
        engine.AdvanceHour(doc, true, true);
    const auto& flux = run.Series(SeriesId::ExteriorFlux);
    for (std::size_t noon = 12; noon + 1 < flux.size(); noon += 24) {
        EXPECT_GT(flux[noon], 0.0f) << noon;
        EXPECT_EQ(flux[noon - 1], flux[noon + 1]) << noon;
        EXPECT_GT(flux[noon], flux[noon - 1]) << noon;
    }
}

TEST_F(FineCalculation, SteadyStartHoldsAndPreviousTemperaturesCrossMeshes)
{
    ASSERT_EQ(Prepare(CalculationMode::Standard), Failure::None);
    ASSERT_EQ(
        Prepare(CalculationMode::Fine, InitialTemperature::PreviousCalculation), Failure::None);
    EXPECT_EQ(run.hours, 0); // nothing recorded: the start is the standard mode's temperatures
    ExpectSteady("fine mode started from the standard mode");
    engine.AdvanceHour(doc, true, true);
    EXPECT_EQ(doc.results.Cell(1, 0), "0");
    EXPECT_EQ(doc.results.Cell(1, 10), "0"); // no heat counted before the first recorded hour
    ExpectSteady("fine mode, hour 0");
    ASSERT_EQ(
        Prepare(CalculationMode::Standard, InitialTemperature::PreviousCalculation), Failure::None);
    ExpectSteady("standard mode started from the fine mode");
    ASSERT_EQ(Prepare(CalculationMode::Fine), Failure::None);
    ExpectSteady("fine mode, automatic start");
}

TEST_F(FineCalculation, APreviousStartBeginsItsFirstHourFromTheHourBeforeTheClock)
{
    // From a uniform 20 °C, a week's square wave at 30 °C over its last hours and 20 °C at the
    // clock's start: the fine mode's first hour comes down from the wave's value an hour before
    // the start, and warms the face; the standard method sees 20 °C only.
    test::SelectConstant(doc, Side::Exterior, "20");
    ASSERT_EQ(Prepare(CalculationMode::Fine), Failure::None);
    const int identifier = kAmbianceIdentifierBase + doc.Ambiances(Side::Exterior).Count();
    const CBCData& wave = doc.AddAmbiance(identifier, Side::Exterior, "Vague", ProfileType::Square,
        ProfileType::Null, Period::Week, Period::Day, { "20", "30", "160", "168" },
        { "0", "0", "0", "0" });
    doc.selectedExterior = wave.Index();
    for (const CalculationMode mode : { CalculationMode::Standard, CalculationMode::Fine }) {
        ASSERT_EQ(Prepare(mode, InitialTemperature::PreviousCalculation), Failure::None);
        engine.AdvanceHour(doc, true, true);
        EXPECT_EQ(run.current.exteriorTemperature, 20.0f);
        if (mode == CalculationMode::Fine)
            EXPECT_GT(run.current.exteriorSurfaceTemperature, 20.5f);
        else
            EXPECT_NEAR(run.current.exteriorSurfaceTemperature, 20.0f, 1e-4);
        ASSERT_EQ(Prepare(CalculationMode::Fine), Failure::None); // uniform 20 °C again
    }
}

} // namespace
} // namespace quelvan
