// The standard method forms a surface flux h (T_s − T_air) from single-precision temperatures:
// it moves in steps of h times the spacing of floats. Where the step exceeds 0.1 W/m² the surface
// resistance is named and the fine mode advised.
#include "engine/SurfacePrecision.h"

#include "EngineTestSupport.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quelvan {
namespace {

TEST(SurfacePrecision, StepIsTheExchangeCoefficientTimesTheSpacingOfFloats)
{
    // The new project: airs of 25 to 35 °C and 20 to 30 °C, so floats from 32 to 64 °C, 2^-18 K
    // apart; R_se = 0.04 and R_si = 0.13 m².K/W.
    KslDoc doc;
    CalculationInputs in = InputsFromDocument(doc);
    const double spacing = std::ldexp(1.0, -18);
    // h = 1 / (R + 5e-7): within 1e-4 of 1 / R.
    EXPECT_NEAR(StandardSurfaceFluxSteps(in).exterior, spacing / 0.04, 1e-4 * spacing / 0.04);
    EXPECT_NEAR(StandardSurfaceFluxSteps(in).interior, spacing / 0.13, 1e-4 * spacing / 0.13);
    EXPECT_TRUE(SurfacePrecisionWarnings(in).empty());
    // 0.1 W/m² is reached at R = 2^-18 / 0.1 − 5e-7 = 3.76e-5 m².K/W.
    in.surfaces.resistanceExterior = "0.00005";
    EXPECT_TRUE(SurfacePrecisionWarnings(in).empty());
    in.surfaces.resistanceExterior = "0.00003";
    EXPECT_EQ(SurfacePrecisionWarnings(in).size(), 1u);
    in.surfaces.resistanceExterior = "0";
    EXPECT_NEAR(StandardSurfaceFluxSteps(in).exterior, spacing / 5e-7, 1e-4 * spacing / 5e-7);
    ASSERT_EQ(SurfacePrecisionWarnings(in).size(), 1u);
    in.mode = CalculationMode::Fine;
    EXPECT_TRUE(SurfacePrecisionWarnings(in).empty());
    // A furnace at 1200 °C: floats 2^-13 K apart, R = 1e-4 gives 1.2 W/m².
    in.mode = CalculationMode::Standard;
    in.surfaces.resistanceExterior = "0.0001";
    EXPECT_TRUE(SurfacePrecisionWarnings(in).empty());
    test::SelectConstant(doc, Side::Exterior, "1200");
    in.exteriorAmbiance = doc.SelectedAmbiance(Side::Exterior);
    EXPECT_NEAR(StandardSurfaceFluxSteps(in).exterior, std::ldexp(1.0, -13) / 1.005e-4, 1e-3);
    EXPECT_EQ(SurfacePrecisionWarnings(in).size(), 1u);
}

TEST(SurfacePrecision, AStandardRunsExteriorSurfaceFluxMovesInThoseSteps)
{
    // R_se = 0, the exterior air 25 to 35 °C: the surface and the air differ by a whole number
    // of 2^-19 K (the finer spacing of the two), so every hourly flux is a whole number of
    // h 2^-19 = 3.8 W/m².
    KslDoc doc;
    doc.surfaces.resistanceExterior = "0";
    EngineState engine;
    ASSERT_EQ(engine.PrepareCalculation(doc, InputsFromDocument(doc)), Failure::None);
    while (engine.CanAdvance())
        engine.AdvanceHour(doc, true, true);
    const double step = engine.View().surfaces.exchangeExterior * std::ldexp(1.0, -19);
    int nonZero = 0;
    for (const float q : engine.View().Series(SeriesId::ExteriorSurfaceFlux)) {
        EXPECT_NEAR(q / step, std::round(q / step), 1e-3) << q;
        nonZero += q != 0.0f;
    }
    EXPECT_GT(nonZero, 100);
}

// A thin conducting film at a face without surface resistance: the sweeps' own error, times
// h = 2e6 W/(m².K), moves the standard week's surface flux far more than the step of floats,
// while the fine mode stays on the physics. So the warning must state no such step as a bound.
TEST(SurfacePrecision, TheStepIsNoBoundOfTheStandardWeeksError)
{
    KslDoc doc;
    doc.AddMaterial(3020, 3, "Cuivre", "380", "8900", "385");
    test::SetWall(
        doc, { { "Cuivre", "0.1" }, { "Béton lourd", "200" }, { "Laine de verre", "50" } });
    doc.surfaces.resistanceExterior = "0";
    std::vector<float> fluxes[2];
    for (const CalculationMode mode : { CalculationMode::Standard, CalculationMode::Fine }) {
        CalculationInputs inputs = InputsFromDocument(doc);
        inputs.mode = mode;
        EngineState engine;
        ASSERT_EQ(engine.PrepareCalculation(doc, inputs), Failure::None);
        while (engine.CanAdvance())
            engine.AdvanceHour(doc, true, true);
        fluxes[mode == CalculationMode::Fine] = engine.View().Series(SeriesId::ExteriorSurfaceFlux);
    }
    ASSERT_EQ(fluxes[0].size(), fluxes[1].size());
    double largest = 0.0;
    for (std::size_t h = 0; h < fluxes[0].size(); ++h)
        largest = std::max(largest, std::fabs(double(fluxes[0][h]) - fluxes[1][h]));
    CalculationInputs inputs = InputsFromDocument(doc);
    const double step = StandardSurfaceFluxSteps(inputs).exterior;
    EXPECT_GT(largest, 10 * step);
    ASSERT_EQ(SurfacePrecisionWarnings(inputs).size(), 1u);
    const std::string warning = SurfacePrecisionWarnings(inputs).front();
    EXPECT_EQ(warning.find("W/m²"), std::string::npos) << warning;
    EXPECT_NE(warning.find("ne sont pas fiables pour cette paroi"), std::string::npos) << warning;
    EXPECT_NE(warning.find("calcul fin"), std::string::npos) << warning;
}

} // namespace
} // namespace quelvan
